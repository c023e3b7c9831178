#pragma once

#include "installer/Installer.h"
#include "installer/PlayerPage.h"

#include "Files.h"
#include "ScriptedDialogs.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

// An installer whose chosen aircraft, "cessna172", lives in a fresh temporary
// folder; it asks its questions through scripted dialogs.
struct InstallerInFolder
{
    InstallerInFolder()
    {
        EXPECT_TRUE(dir.isValid());
        installer.state.aircraftDir = dir.path() + '/';
        installer.state.aircraftName = "cessna172";
        installer.state.playerCode = buildPlayerCode();
        installer.state.airOpened = 1;
    }

    QString path(const QString &name) const { return dir.filePath(name); }
    QByteArray cfg() const { return readBytes(path("aircraft.cfg")); }
    void writeCfg(const QByteArray &content) const { writeBytes(path("aircraft.cfg"), content); }
    // What an install puts in a page: the player and one CR LF.
    static QByteArray player() { return buildPlayerCode() + "\r\n"; }

    QTemporaryDir dir;
    ScriptedDialogs dialogs;
    Installer installer{dialogs};
};
