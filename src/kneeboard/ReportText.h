#pragma once

#include "kneeboard/InstallReport.h"
#include "kneeboard/PlayerRemoval.h"

#include <QCoreApplication>

// The words in which every front end tells what an install or a removal did
// to one aircraft, so that the console program, the window and the hangar
// say the same.
class ReportText
{
    Q_DECLARE_TR_FUNCTIONS(ReportText)

public:
    // One line: "Checklist page written, aircraft.cfg updated, backup made",
    // or "failed: " and why.
    static QString ofInstall(const InstallReport &report);
    static QString ofRemoval(const RemovalReport &report);
    // What the install found done already and left as it was, a sentence each.
    static QStringList leftAsItWas(const InstallReport &report);
};
