#pragma once

#include <QString>

// The .air file that an argument of install or remove names: its absolute
// path (the file found in any case), or why it names none.
struct AirFile
{
    QString path;
    QString problem; // empty when the file is there
};

AirFile airFileOf(const QString &argument);
