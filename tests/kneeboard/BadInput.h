#pragma once

#include "InstallerInFolder.h"

#include <QElapsedTimer>

#include <gtest/gtest.h>

constexpr qsizetype fiftyMegabytes = 50 * 1024 * 1024;
// Far more than any of these installs needs, even in the sanitizer build; a
// hang is also stopped by CTest's timeout.
constexpr qint64 generousMilliseconds = 60'000;

class BadInput : public testing::Test, protected InstallerInFolder
{
protected:
    // Installs with Yes to both questions and returns how long it took.
    qint64 install(KneeboardSection section, bool backup = true)
    {
        configureWithBackup(backup);
        QElapsedTimer timer;
        timer.start();
        installer.installNewPage(section);
        return timer.elapsed();
    }
};
