#pragma once

#include <QString>

// A folder with a short name for the user, for folders whose own names do not
// tell them apart (every FS2004 installation has an "Aircraft" folder).
struct LabelledFolder
{
    QString path;
    QString label;

    friend bool operator==(const LabelledFolder &, const LabelledFolder &) = default;
};
