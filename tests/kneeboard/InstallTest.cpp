
#include "InstallerInFolder.h"

#include <QDir>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

const QString configure = "Configure aircraft.cfg?";
const QString backup = "Backup aircraft.cfg? (Recommended)";

class Install : public testing::Test, protected InstallerInFolder
{
};

class Rewrite : public Install, public testing::WithParamInterface<RewriteCase>
{
};

const QByteArray workedExample = "[fltsim.0]\r\n"
                                 "title=Cessna Skyhawk\r\n"
                                 "kb_checklists=Cessna172_check\r\n"
                                 "[General]\r\n"
                                 "atc_type=Cessna\r\n";

} // namespace

TEST_P(Rewrite, NewFileRewritesAircraftCfg)
{
    writeCfg(GetParam().before);
    configureWithBackup(false);
    installer.installNewPage(GetParam().section);
    EXPECT_EQ(cfg(), GetParam().after);
    const QString page = GetParam().section == Checklist ? "cessna172_check.htm" : "cessna172_ref.htm";
    EXPECT_EQ(readBytes(path(page)), player());
    EXPECT_EQ(dialogs.prompts(), (QStringList{configure, backup}));
}

TEST_P(Rewrite, AddToExistingRewritesAircraftCfgTheSameWay)
{
    writeCfg(GetParam().before);
    configureWithBackup(false);
    installer.addToExistingPage(GetParam().section);
    EXPECT_EQ(cfg(), GetParam().after);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, Rewrite,
    testing::Values(
        RewriteCase{"WorkedExampleReference", Reference, workedExample,
                    "[fltsim.0]\r\ntitle=Cessna Skyhawk\r\nkb_checklists=Cessna172_check\r\n"
                    "kb_reference=cessna172_ref\r\n[General]\r\natc_type=Cessna\r\n\r\n"},
        RewriteCase{"WorkedExampleChecklist", Checklist, workedExample,
                    "[fltsim.0]\r\ntitle=Cessna Skyhawk\r\nkb_checklists=cessna172_check\r\n"
                    "[General]\r\natc_type=Cessna\r\n\r\n"},
        RewriteCase{"TwoVariationsChecklist", Checklist,
                    "[fltsim.0]\r\nkb_checklists=a\r\n[fltsim.1]\r\nKB_CheckLists=Old.htm\r\n",
                    "[fltsim.0]\r\nkb_checklists=cessna172_check\r\n[fltsim.1]\r\n"
                    "kb_checklists=cessna172_check\r\n\r\n"},
        RewriteCase{"TwoVariationsReferenceInserted", Reference,
                    "[fltsim.0]\r\nkb_checklists=a\r\n[fltsim.1]\r\nchecklists=b\r\n",
                    "[fltsim.0]\r\nkb_checklists=a\r\nkb_reference=cessna172_ref\r\n[fltsim.1]\r\n"
                    "checklists=b\r\nkb_reference=cessna172_ref\r\n\r\n"},
        RewriteCase{"ReferenceReplacedInPlace", Reference,
                    "kb_checklists=a\r\nkb_reference =old\r\nReference=other\r\n",
                    "kb_checklists=a\r\nkb_reference=cessna172_ref\r\nkb_reference=cessna172_ref\r\n\r\n"},
        RewriteCase{"ReferenceWithBlankBeforeEqualsIsNoEntry", Reference, "reference =x\r\nkb_check\r\n",
                    "reference =x\r\nkb_check\r\nkb_reference=cessna172_ref\r\n\r\n"},
        RewriteCase{"ChecklistKeyRenamed", Checklist, "checklists=OldPage\r\nkb_checklist_x=1\r\n",
                    "kb_checklists=cessna172_check\r\nkb_checklists=cessna172_check\r\n\r\n"},
        // No entry to replace: the file is left byte for byte, so that the
        // install run again does not add a blank line each time.
        RewriteCase{"BlankBeforeKeyIsNoEntry", Checklist, " kb_checklists=x\n", " kb_checklists=x\n"},
        RewriteCase{"NoMatchingLineChecklist", Checklist, "[fltsim.0]\r\ntitle=x\r\n",
                    "[fltsim.0]\r\ntitle=x\r\n"},
        RewriteCase{"NoMatchingLineReference", Reference, "[fltsim.0]\rtitle=x", "[fltsim.0]\rtitle=x"},
        RewriteCase{"EmptyFile", Reference, "", ""},
        RewriteCase{"LastLineWithoutTerminator", Checklist, "a\r\nkb_checklists=x",
                    "a\r\nkb_checklists=cessna172_check\r\n\r\n"},
        RewriteCase{"LfOnly", Checklist, "[fltsim.0]\nkb_checklists=x\ntitle=y\n",
                    "[fltsim.0]\r\nkb_checklists=cessna172_check\r\ntitle=y\r\n\r\n"},
        RewriteCase{"CrOnly", Reference, "[fltsim.0]\rkb_checklists=x\rtitle=y",
                    "[fltsim.0]\r\nkb_checklists=x\r\nkb_reference=cessna172_ref\r\ntitle=y\r\n\r\n"},
        RewriteCase{"MixedLineEnds", Checklist, "a\nkb_checklists=x\rb\r\n\nc",
                    "a\r\nkb_checklists=cessna172_check\r\nb\r\n\r\nc\r\n\r\n"},
        RewriteCase{"BytesOutsideAsciiAndNulKept", Reference,
                    "title=\xe9\xff\x00x\r\nkb_reference=old\r\n\x80\x00\r\n"_ba,
                    "title=\xe9\xff\x00x\r\nkb_reference=cessna172_ref\r\n\x80\x00\r\n\r\n"_ba}),
    rewriteCaseName);

TEST_F(Install, AsksTheTwoQuestionsWithTheirCodesAndTitles)
{
    writeCfg(workedExample);
    configureWithBackup(true);
    installer.installNewPage(Checklist);
    const std::vector<DialogCall> messages = dialogs.messages();
    ASSERT_EQ(messages.size(), 2u);
    EXPECT_EQ(messages[0].text, configure);
    EXPECT_EQ(messages[0].style, yesNoBox);
    EXPECT_EQ(messages[0].title, "Aircraft.cfg");
    EXPECT_EQ(messages[1].text, backup);
    EXPECT_EQ(messages[1].style, yesNoBox);
    EXPECT_EQ(messages[1].title, "Aircraft.cfg");
    EXPECT_EQ(readBytes(path("cessna172_check.htm")), player());
}

TEST_F(Install, NoToConfigureLeavesThePageAndTouchesNothingElse)
{
    writeCfg(workedExample);
    dialogs.answer(Answer::No);
    installer.installNewPage(Reference);
    EXPECT_EQ(readBytes(path("cessna172_ref.htm")), player());
    EXPECT_EQ(cfg(), workedExample);
    EXPECT_EQ(entriesOf(dir.path()), (QStringList{"aircraft.cfg", "cessna172_ref.htm"}));
    const std::vector<DialogCall> messages = dialogs.messages();
    ASSERT_EQ(messages.size(), 2u);
    EXPECT_EQ(messages[1].text,
              "You will have to manually configure Aircraft.cfg for the respective "
              "aircraft. See Help for more information.");
    EXPECT_EQ(messages[1].style, okBox);
    EXPECT_EQ(messages[1].title, "Aircraft.cfg");
}

TEST_F(Install, NewFileReplacesAnExistingPage)
{
    writeBytes(path("cessna172_check.htm"), "an older page that is much longer than the player");
    dialogs.answer(Answer::No);
    installer.installNewPage(Checklist);
    EXPECT_EQ(readBytes(path("cessna172_check.htm")), player());
}

// The second install finds its work done, leaves every file as it was, the
// backup of the aircraft's own aircraft.cfg among them, and says so.
TEST_F(Install, TheSameInstallTwiceChangesNothingMoreAndSaysSo)
{
    writeCfg(workedExample);
    configureWithBackup(true);
    installer.installNewPage(Reference);
    EXPECT_EQ(readBytes(path("aircraft.bak")), workedExample);
    const QByteArray afterFirst = cfg();
    ASSERT_EQ(dialogs.messages().size(), 2u) << "no message after an install that did its work";

    configureWithBackup(true);
    installer.installNewPage(Reference);
    EXPECT_EQ(readBytes(path("aircraft.bak")), workedExample);
    EXPECT_EQ(cfg(), afterFirst);
    EXPECT_EQ(readBytes(path("cessna172_ref.htm")), player());
    const std::vector<DialogCall> messages = dialogs.messages();
    ASSERT_EQ(messages.size(), 5u);
    EXPECT_EQ(messages.back().title, "Skylyre Configurator");
    EXPECT_EQ(messages.back().style, okBox);
    EXPECT_EQ(messages.back().text,
              "The Reference page already holds the player: it was left as it was.\r\n"
              "The kb_reference entry of aircraft.cfg already names the page: it was left as it was.");
}

TEST_F(Install, NoBackupWhenDeclined)
{
    writeCfg(workedExample);
    configureWithBackup(false);
    installer.installNewPage(Checklist);
    EXPECT_FALSE(QFile::exists(path("aircraft.bak")));
}

// Two players on one page would both start.
TEST_F(Install, AddToExistingAddsThePlayerOnceHoweverOftenItRuns)
{
    const QByteArray existing = "<html><body>Checklist</body></html>";
    writeBytes(path("cessna172_check.htm"), existing);
    dialogs.answer(Answer::No).answer(Answer::No);
    installer.addToExistingPage(Checklist);
    installer.addToExistingPage(Checklist);
    EXPECT_EQ(readBytes(path("cessna172_check.htm")), existing + player());
}

TEST_F(Install, AddToExistingCreatesAMissingPage)
{
    dialogs.answer(Answer::No);
    installer.addToExistingPage(Reference);
    EXPECT_EQ(readBytes(path("cessna172_ref.htm")), player());
}

TEST_F(Install, AddToExistingUsesThePageUnderItsNameOnDisk)
{
    writeBytes(path("Cessna172_Check.htm"), "old");
    dialogs.answer(Answer::No);
    installer.addToExistingPage(Checklist);
    EXPECT_EQ(readBytes(path("Cessna172_Check.htm")), "old" + player());
    EXPECT_EQ(entriesOf(dir.path()), QStringList{"Cessna172_Check.htm"});
}

TEST_F(Install, AddToExistingNamesTheAppendedPageInTheChecklistEntry)
{
    writeCfg("[fltsim.0]\r\nkb_checklists=MyList\r\n");
    configureWithBackup(false);
    installer.addToExistingPage(Checklist);
    EXPECT_EQ(cfg(), "[fltsim.0]\r\nkb_checklists=cessna172_check\r\n\r\n");
}

TEST_F(Install, AddToExistingWithAReferenceEntryWritesTheBufferBack)
{
    writeCfg("kb_checklists=a\r\nkb_reference=OtherPage\r\n");
    configureWithBackup(false);
    installer.addToExistingPage(Reference);
    EXPECT_EQ(cfg(), "kb_checklists=a\r\nkb_reference=cessna172_ref\r\n\r\n");
}

TEST_F(Install, RewritesAircraftCfgUnderItsNameOnDisk)
{
    writeBytes(path("Aircraft.CFG"), "kb_checklists=x\r\n");
    writeBytes(path("AIRCRAFT.BAK"), "old backup");
    configureWithBackup(true);
    installer.installNewPage(Checklist);
    EXPECT_EQ(readBytes(path("Aircraft.CFG")), "kb_checklists=cessna172_check\r\n\r\n");
    EXPECT_EQ(readBytes(path("AIRCRAFT.BAK")), "kb_checklists=x\r\n");
    EXPECT_EQ(entriesOf(dir.path()), (QStringList{"AIRCRAFT.BAK", "Aircraft.CFG", "cessna172_check.htm"}));
}

TEST_F(Install, EachInstallStartsFromAnEmptyBuffer)
{
    QTemporaryDir other;
    writeCfg("kb_checklists=a\r\n");
    writeBytes(other.filePath("aircraft.cfg"), "title=other\r\nchecklists=b\r\n");
    configureWithBackup(false);
    installer.installNewPage(Checklist);

    installer.chooseAircraft(other.filePath("Piper.air"));
    configureWithBackup(false);
    installer.installNewPage(Reference);
    EXPECT_EQ(readBytes(other.filePath("aircraft.cfg")),
              "title=other\r\nchecklists=b\r\nkb_reference=piper_ref\r\n\r\n");
    EXPECT_EQ(readBytes(other.filePath("piper_ref.htm")), player());
}

TEST_F(Install, ALargeFileKeepsEveryLine)
{
    QByteArray before, after;
    for (int i = 0; i < 20000; ++i) {
        const QByteArray line = "param_" + QByteArray::number(i) + "=" + QByteArray(i % 50, 'v');
        before += line + "\n";
        after += line + "\r\n";
        if (i % 5000 == 0) {
            before += "kb_checklists=x\n";
            after += "kb_checklists=x\r\nkb_reference=cessna172_ref\r\n";
        }
    }
    writeCfg(before);
    configureWithBackup(false);
    installer.installNewPage(Reference);
    EXPECT_EQ(cfg(), after + "\r\n");
}

TEST_F(Install, MissingAircraftCfgWithBackupStopsAtTheCopy)
{
    configureWithBackup(true);
    installer.installNewPage(Reference);
    expectOneErrorNaming("aircraft.cfg", reasonOpening(path("aircraft.cfg")));
    EXPECT_EQ(entriesOf(dir.path()), QStringList{});
}

TEST_F(Install, MissingAircraftCfgWithoutBackupStopsAtTheRead)
{
    configureWithBackup(false);
    installer.addToExistingPage(Checklist);
    expectOneErrorNaming("aircraft.cfg", reasonOpening(path("aircraft.cfg")));
    EXPECT_EQ(entriesOf(dir.path()), QStringList{});
}

TEST_F(Install, APageThatCannotBeWrittenStopsBeforeAnyQuestion)
{
    writeCfg(workedExample);
    QDir(dir.path()).mkdir("cessna172_check.htm");
    installer.installNewPage(Checklist);
    installer.addToExistingPage(Checklist);
    ASSERT_EQ(dialogs.messages().size(), 2u);
    EXPECT_EQ(dialogs.messages()[0].title, "Error");
    EXPECT_EQ(dialogs.messages()[1].title, "Error");
    EXPECT_TRUE(dialogs.messages()[1].text.contains("Could not read"));
    EXPECT_EQ(cfg(), workedExample);
}

TEST_F(Install, AFailedBackupLeavesAircraftCfgUntouched)
{
    writeCfg(workedExample);
    QDir(dir.path()).mkdir("aircraft.bak");
    configureWithBackup(true);
    installer.installNewPage(Checklist);
    expectOneErrorNaming("aircraft.bak", reasonOpening(path("aircraft.bak")));
    EXPECT_EQ(cfg(), workedExample);
}

TEST_F(Install, AnUnreadableAircraftCfgIsReported)
{
    QDir(dir.path()).mkdir("aircraft.cfg");
    configureWithBackup(false);
    installer.installNewPage(Reference);
    expectOneErrorNaming("aircraft.cfg", reasonOpening(path("aircraft.cfg")));
}
