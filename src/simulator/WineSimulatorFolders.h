#pragma once

#include "simulator/LabelledFolder.h"

#include <QList>

// Where to look for Wine prefixes.
struct WineHome
{
    QString home;       // the user's home folder
    QString winePrefix; // the WINEPREFIX setting; empty when unset
};

// The FS2004 "Aircraft" folders in the Wine prefixes of `home`: WINEPREFIX,
// ~/.wine, the bottles of Bottles (also as a Flatpak), the prefixes of Lutris
// (~/Games) and PlayOnLinux, and Steam's Proton prefixes. In each prefix the
// install folder that its system.reg names, else the usual ones on drive C.
// Each prefix is labelled by its folder's name, a Proton one by its Steam
// game number.
QList<LabelledFolder> findInWinePrefixes(const WineHome &home);
