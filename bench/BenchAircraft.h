#pragma once

#include <QString>
#include <QStringList>

// The aircraft that the console program and the hangar are measured over.
constexpr int aircraftCount = 1'000;
constexpr int cfgLines = 1'000;

// The .air files of `count` aircraft in `folder`, each with a realistic
// aircraft.cfg of 1,000 lines, fresh: the pages and backups of an install
// before gone, all of it on disk.
QStringList makeAircraft(const QString &folder, int count = aircraftCount);

// `skylyre install --checklist --new --backup` of the aircraft, so that a
// listing finds the player in each.
void installIntoAll(const QStringList &airFiles);

// The baseline of an install into the aircraft: each aircraft.cfg copied with
// cp and the copy synced with sync, one aircraft after the other.
void copyAndSyncEach(const QStringList &airFiles);
