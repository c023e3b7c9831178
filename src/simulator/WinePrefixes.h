#pragma once

#include <QList>
#include <QString>

// Where to look for Wine prefixes.
struct WineHome
{
    QString home;       // the user's home folder
    QString winePrefix; // the WINEPREFIX setting; empty when unset
};

// A folder of the home that may hold a Wine prefix, and how a label names it:
// by its folder's name, a Proton prefix by its Steam game number.
struct HomePrefix
{
    QString path;
    QString place;
};

// The Wine prefixes of `home`, in the order they are searched: WINEPREFIX,
// ~/.wine, the bottles of Bottles (also as a Flatpak), the prefixes of Lutris
// (~/Games) and PlayOnLinux, and Steam's Proton prefixes (in both of Steam's
// folders).
QList<HomePrefix> winePrefixesOf(const WineHome &home);

// The Wine home of this user: the home folder and WINEPREFIX.
WineHome userWineHome();
