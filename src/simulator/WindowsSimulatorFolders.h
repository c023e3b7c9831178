#pragma once

#include "files/LabelledFolder.h"

#include <QList>
#include <QStringList>

// Where to look for FS2004 on Windows.
struct WindowsPlaces
{
    QString software;           // the key that holds "Microsoft" for the user and the machine: "SOFTWARE"
    QStringList programFolders; // the Program Files folders, 32-bit one first
};

// The FS2004 "Aircraft" folders: below the install folder of "EXE Path" of
// FS2004's own key, for the user (HKEY_CURRENT_USER) then for the machine
// (HKEY_LOCAL_MACHINE); of "InstallLocation" of its uninstall entry; of
// "Path" of the entry its multiplayer registers with DirectPlay; then of the
// usual folder in each Program Files folder. The registry is read in its
// 32-bit view, as FS2004 is a 32-bit program (WOW6432Node on 64-bit Windows),
// and a REG_EXPAND_SZ value is expanded as FS2004 would (%ProgramFiles% is
// the 32-bit one). Each folder is labelled by its install folder's name.
QList<LabelledFolder> findInWindows(const WindowsPlaces &places);
