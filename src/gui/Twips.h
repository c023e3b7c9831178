#pragma once

#include <QRect>

// Window layouts are designed in twips: 15 twips make one pixel at 96 dpi.
constexpr int twipsPerPixel = 15;

constexpr QRect twipsRect(int left, int top, int width, int height)
{
    return QRect(left / twipsPerPixel, top / twipsPerPixel, width / twipsPerPixel, height / twipsPerPixel);
}
