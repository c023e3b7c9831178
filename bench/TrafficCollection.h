#pragma once

#include <QString>

// The collection of a pilot who flies with AI traffic packages: 20,000
// aircraft folders, as the hangar and `skylyre list` meet them.
constexpr int trafficAircraftCount = 20'000;

// The folder of the collection, made below the benchmarks' folder on the
// first call and kept for the rest of the run. Each aircraft, in a package
// folder of its airline, has its flight model, a model folder, an
// aircraft.cfg of four to eight variations (each with its texture folder, the
// first with a thumbnail.jpg) under one of twenty manufacturers, written in
// quotes in every other one, and the sections of a flight model after them;
// every third has a checklist page that holds the player, every third a
// reference page of its own, every seventh an entry whose page is missing.
QString trafficCollection();

// How many of the collection's aircraft hold the player.
int trafficWithPlayer();
