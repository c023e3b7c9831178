#pragma once

#include "gui/Installer.h"
#include "kneeboard/PlayerPage.h"

#include "Files.h"
#include "ScriptedDialogs.h"

#include <QDir>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <string>

// The tables name the sections plainly.
using enum KneeboardSection;

// An aircraft.cfg before an install into `section`, and after it.
struct RewriteCase
{
    const char *name;
    KneeboardSection section;
    QByteArray before;
    QByteArray after;
};

// Names each case of a table of RewriteCases in the test output.
inline std::string rewriteCaseName(const testing::TestParamInfo<RewriteCase> &info)
{
    return info.param.name;
}

// An installer whose chosen aircraft, "cessna172", lives in a fresh temporary
// folder; it asks its questions through scripted dialogs.
struct InstallerInFolder
{
    InstallerInFolder()
    {
        EXPECT_TRUE(dir.isValid());
        installer.chooseAircraft(path("Cessna172.air"));
    }

    QString path(const QString &name) const { return dir.filePath(name); }
    QByteArray cfg() const { return readBytes(path("aircraft.cfg")); }
    void writeCfg(const QByteArray &content) const { writeBytes(path("aircraft.cfg"), content); }
    // Answers Yes to "Configure aircraft.cfg?" and `makeBackup` to the backup question.
    void configureWithBackup(bool makeBackup)
    {
        dialogs.answer(Answer::Yes).answer(makeBackup ? Answer::Yes : Answer::No);
    }
    // What an install puts in a page: the player and one CR LF.
    static QByteArray player() { return buildPlayerPage() + "\r\n"; }

    int errorCount() const
    {
        int errors = 0;
        for (const DialogCall &message : dialogs.messages())
            errors += message.title == "Error";
        return errors;
    }

    // The install stopped with exactly one "Error" box, shown last with the stop
    // icon, naming the file `name` and the system's reason (which holds `reason`).
    void expectOneErrorNaming(const QString &name, const QString &reason) const
    {
        ASSERT_FALSE(reason.isEmpty()) << "a test names the reason it expects";
        ASSERT_EQ(errorCount(), 1);
        const DialogCall error = dialogs.messages().back();
        EXPECT_EQ(error.title, "Error");
        EXPECT_EQ(error.style, errorBox);
        EXPECT_TRUE(error.text.contains(QDir::toNativeSeparators(path(name)))) << error.text.toStdString();
        const QString systemReason = error.text.section("\r\n", 1);
        EXPECT_FALSE(systemReason.isEmpty()) << error.text.toStdString();
        EXPECT_NE(systemReason, "Unknown error");
        EXPECT_TRUE(systemReason.contains(reason)) << error.text.toStdString();
    }

    QTemporaryDir dir;
    ScriptedDialogs dialogs;
    Installer installer{dialogs};
};
