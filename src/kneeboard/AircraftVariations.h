#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QList>

// One variation of an aircraft, a [fltsim.N] section of its aircraft.cfg:
// the bytes after the '=' of its keys, trimmed; the title and the
// manufacturer, which the simulator shows, without one pair of double quotes
// around them.
struct AircraftVariation
{
    QByteArray title;
    QByteArray manufacturer; // ui_manufacturer
    QByteArray texture;      // the texture folder is "texture.<texture>", or "texture" when empty

    friend bool operator==(const AircraftVariation &, const AircraftVariation &) = default;
};

// The variations of aircraft.cfg as FS2004 reads them: [fltsim.0],
// [fltsim.1] and so on up to the first number that has no section. Section
// names and keys in any case, lines ending in CR LF, LF or CR; of a section
// or a key written twice, the first.
QList<AircraftVariation> variationsOf(QByteArrayView cfg);
