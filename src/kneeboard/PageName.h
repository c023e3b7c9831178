#pragma once

#include "kneeboard/KneeboardSection.h"

#include <QString>

#include <optional>

// How an install names an aircraft and its page: "Cessna172.air" is the
// aircraft "cessna172", whose checklist page is "cessna172_check.htm" beside
// it and whose entry names "cessna172_check".

// The length of ".air", which ends every .air file's title.
constexpr int airExtensionLength = 4;

// The .air file's title without its extension, lower-cased; nothing when
// the title is too short to name an aircraft.
std::optional<QString> aircraftNameOf(const QString &airFileTitle);

// What the user is told when aircraftNameOf refuses `airFileTitle`.
QString tooShortToNameMessage(const QString &airFileTitle);

// What the user is told when the code page FS2004 reads aircraft.cfg in has
// no character for one of those of the page's name.
QString codePageRefusal(const QString &airFileTitle, int codePage);

// The page's name without folder and extension: "cessna172_check".
QString pageNameOf(const QString &aircraftName, KneeboardSection section);

// The page's file name in the aircraft folder: "cessna172_check.htm".
QString pageFileNameOf(const QString &aircraftName, KneeboardSection section);
