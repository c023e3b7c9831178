#pragma once

#include <QString>

// The questions Write asks, which a program that answers them by itself
// tells apart by their prompts.
namespace InstallQuestions {

inline const QString confirm =
    QStringLiteral("Are you sure you want to add the Skylyre? This option is not reversible.");
inline const QString configureCfg = QStringLiteral("Configure aircraft.cfg?");
inline const QString backupCfg = QStringLiteral("Backup aircraft.cfg? (Recommended)");

} // namespace InstallQuestions
