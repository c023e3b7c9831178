#pragma once

#include <QString>

namespace ProgramVersion {

constexpr int major = 1;
constexpr int minor = 5;
constexpr int revision = 0;

// Major, ".", then minor and revision run together: "1.50".
inline QString programVersionText()
{
    return QStringLiteral("%1.%2%3").arg(major).arg(minor).arg(revision);
}

} // namespace ProgramVersion
