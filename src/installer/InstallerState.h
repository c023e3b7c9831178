#pragma once

#include <QByteArray>
#include <QString>

// What the Open and Write commands and the two install routines share.
struct InstallerState
{
    QString aircraftDir;   // folder of the chosen .air file, ending in a separator
    QString pagePath;      // the kneeboard page the last install wrote
    QByteArray playerCode; // the Skylyre page, built once at start-up
    QString aircraftName;  // the .air file's title without its extension, lower-cased
    qint16 entryFound = 0; // 99 while a rewrite has met a reference entry
    qint16 airOpened = 0;  // 1 once an aircraft has been chosen
    qint16 nameLength = 0; // characters of the title that form aircraftName
};
