#pragma once

#include <QString>

#include <optional>

// An aircraft as an install names it, from its flight model's path:
// "…/Cessna172/Cessna172.air" is the aircraft "cessna172" in the folder
// "…/Cessna172/".
struct Aircraft
{
    QString folder;  // ending in '/'
    QString airFile; // the .air file's name, without its folder
    QString name;    // that name without ".air", lower-cased

    // Nothing when the file's name is too short to name an aircraft
    // (tooShortToNameMessage says so).
    static std::optional<Aircraft> fromAirPath(const QString &airPath);

    QString filePath(const QString &fileName) const { return folder + fileName; }
};
