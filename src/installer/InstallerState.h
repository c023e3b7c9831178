#pragma once

#include <QByteArray>
#include <QString>

// What the Open and Write commands and the two install routines share.
struct InstallerState
{
    QString aircraftFolder;           // folder of the chosen .air file, ending in a separator
    QString airFileTitle;             // the chosen .air file's name, without its folder
    QString pagePath;                 // the kneeboard page the last install wrote
    QByteArray playerPage;            // the Skylyre page
    QString aircraftName;             // the .air file's title without its extension, lower-cased
    bool referenceEntryFound = false; // while a rewrite has met a reference entry
    bool aircraftChosen = false;      // once an aircraft has been chosen
    int nameLength = 0;               // characters of the title that form aircraftName
};
