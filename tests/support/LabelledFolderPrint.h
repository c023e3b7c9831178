#pragma once

#include "files/LabelledFolder.h"

#include <ostream>

// How a failing test shows a labelled folder.
inline void PrintTo(const LabelledFolder &folder, std::ostream *out)
{
    *out << '"' << folder.label.toStdString() << "\" " << folder.path.toStdString();
}
