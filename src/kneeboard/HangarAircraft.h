#pragma once

#include "kneeboard/AircraftListing.h"
#include "simulator/SimulatorCodePages.h"

#include <QString>
#include <QStringList>

// What the hangar shows of one aircraft: its pages as list reads them, and
// its variations as the simulator's aircraft menu names them.
struct HangarAircraft
{
    QString airPath;        // '/' between folders
    QString key;            // the .air file's canonical path, whichever link reached it
    QString foundIn;        // the folder whose walk found it; empty when read again on its own
    ListedAircraft listing; // its folder, .air file, pages and problem
    QString manufacturer;   // ui_manufacturer of the first variation
    QString title;          // of the first variation; the .air file's title when there is none
    QStringList variations; // the title of each variation
    QString texture;        // the first variation's texture folder: "texture.<texture>" or "texture"
};

// The thumbnail.jpg of `aircraft`'s first variation, found in any case;
// empty when there is none. Looked for when the aircraft is shown: it costs a
// look into folders that the listing of many aircraft does without.
QString thumbnailOf(const HangarAircraft &aircraft);

// Reads aircraft for the hangar, changing nothing. The text of aircraft.cfg is
// decoded through the code page FS2004 reads the aircraft's folder in.
class HangarListing
{
public:
    HangarAircraft describe(const QString &airPath, const QString &foundIn = {});
    // An entry that airFilesBelow could not read, as a row with its reason.
    static HangarAircraft unreadable(const ListedAircraft &entry, const QString &foundIn);

private:
    AircraftListing listing;
    SimulatorCodePages codePages;
    QByteArray cfg;
};
