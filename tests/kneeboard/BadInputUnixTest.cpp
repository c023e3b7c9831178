// Bad input that only Unix makes on purpose: a named pipe, a device, a
// dangling link, a full device and a full disk (a file size limit).

#include "BadInput.h"
#include "FileSizeLimit.h"

#include <QDir>
#include <QFileInfo>

#include <gtest/gtest.h>

#include <sys/stat.h>

TEST_F(BadInput, ADanglingLinkIsReportedAndNothingIsCreatedAtItsTarget)
{
    ASSERT_TRUE(QFile::link(path("gone/aircraft.cfg"), path("aircraft.cfg")));
    install(Reference);
    expectOneErrorNaming("aircraft.cfg", "No such file or directory");
    EXPECT_TRUE(QFileInfo(path("aircraft.cfg")).isSymLink());
    EXPECT_FALSE(QFileInfo::exists(path("gone")));
    EXPECT_EQ(entriesOf(dir.path()), QStringList{"aircraft.cfg"});

    dialogs.calls.clear();
    install(Reference, false);
    expectOneErrorNaming("aircraft.cfg", "No such file or directory");
    EXPECT_EQ(entriesOf(dir.path()), QStringList{"aircraft.cfg"});
}

// Not a file one reads to its end: a named pipe would block the open until
// some other program writes to it, and the program would hang.
TEST_F(BadInput, AnAircraftCfgThatIsANamedPipeIsReportedAtOnce)
{
    ASSERT_EQ(mkfifo(path("aircraft.cfg").toLocal8Bit().constData(), 0644), 0);
    EXPECT_LT(install(Reference), generousMilliseconds);
    expectOneErrorNaming("aircraft.cfg", "Not a regular file");
    dialogs.calls.clear();
    EXPECT_LT(install(Reference, false), generousMilliseconds);
    expectOneErrorNaming("aircraft.cfg", "Not a regular file");
}

// Nor is a device that never ends: reading it whole would fill the memory.
TEST_F(BadInput, AnAircraftCfgThatIsALinkToADeviceIsReportedAtOnce)
{
    ASSERT_TRUE(QFile::link("/dev/zero", path("aircraft.cfg")));
    EXPECT_LT(install(Reference, false), generousMilliseconds);
    expectOneErrorNaming("aircraft.cfg", "Not a regular file");
}

// The page ends as it was or with the whole player, never in between, and
// the install run again adds the player once.
TEST_F(BadInput, AnAppendThatFindsTheDiskFullLeavesThePageAsItWas)
{
    const QByteArray cfgBefore = "[fltsim.0]\r\nkb_checklists=cessna172_check\r\n";
    const QByteArray ownPage = QByteArray(8092, 'p');
    writeCfg(cfgBefore);
    writeBytes(path("cessna172_check.htm"), ownPage);
    {
        FileSizeLimit fullDisk(ownPage.size() + 100);
        installer.addToExistingPage(Checklist);
    }
    expectOneErrorNaming("cessna172_check.htm", "File too large");
    EXPECT_EQ(readBytes(path("cessna172_check.htm")), ownPage);
    EXPECT_EQ(entriesOf(dir.path()), (QStringList{"aircraft.cfg", "cessna172_check.htm"}));

    configureWithBackup(true);
    installer.addToExistingPage(Checklist);
    EXPECT_EQ(readBytes(path("cessna172_check.htm")), ownPage + player());
    EXPECT_EQ(cfg(), cfgBefore) << "its entry named the page already";
    EXPECT_EQ(entriesOf(dir.path()), (QStringList{"aircraft.cfg", "cessna172_check.htm"}));
}

TEST_F(BadInput, AFailedWriteBackLeavesAircraftCfgByteForByteAndTheProgramGoesOn)
{
    const QByteArray before = "kb_checklists=x\r\n" + QByteArray(5000, 'c') + "\r\n";
    writeCfg(before);
    configureWithBackup(true);
    {
        FileSizeLimit fullDisk(before.size() + 1);
        installer.installNewPage(Checklist);
    }
    expectOneErrorNaming("aircraft.cfg", "File too large");
    EXPECT_EQ(cfg(), before);
    EXPECT_EQ(entriesOf(dir.path()), QStringList{"aircraft.cfg"}) << "a failed install writes nothing";

    configureWithBackup(false);
    installer.installNewPage(Checklist);
    EXPECT_EQ(cfg(), "kb_checklists=cessna172_check\r\n" + QByteArray(5000, 'c') + "\r\n\r\n");
}
