#pragma once

#include "simulator/LabelledFolder.h"

#include <QList>
#include <QStringList>

#include <qt_windows.h>

// Where to look for FS2004 on Windows.
struct WindowsPlaces
{
    HKEY root;                  // with `software`, the registry key that holds
    QString software;           // the "Microsoft" key: HKEY_LOCAL_MACHINE, "SOFTWARE"
    QStringList programFolders; // the Program Files folders, 32-bit one first
};

// The FS2004 "Aircraft" folders: below the install folder of the registry's
// "EXE Path" (FS2004's own key), of "InstallLocation" (its uninstall entry),
// then of the usual folder in each Program Files folder. The registry is read
// in its 32-bit view, as FS2004 is a 32-bit program (WOW6432Node on 64-bit
// Windows). Each folder is labelled by its install folder's name.
QList<LabelledFolder> findInWindows(const WindowsPlaces &places);
