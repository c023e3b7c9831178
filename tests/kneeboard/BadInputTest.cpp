// Installs over aircraft.cfg files that no aircraft maker meant to ship: each
// ends in the normal rewrite or in one clear "Error" message, never in a
// crash, a hang or a half-written file.

#include "BadInput.h"

#include <QDir>
#include <QFileInfo>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

TEST_F(BadInput, AFiftyMegabyteSingleLineThatMatchesNoTestIsLeftByteForByte)
{
    const QByteArray line = "title=" + QByteArray(fiftyMegabytes, 'x');
    writeCfg(line);
    EXPECT_LT(install(Reference), generousMilliseconds);
    EXPECT_EQ(errorCount(), 0);
    EXPECT_TRUE(cfg() == line);
    EXPECT_EQ(entriesOf(dir.path()), (QStringList{"aircraft.cfg", "cessna172_ref.htm"}));
}

TEST_F(BadInput, AFiftyMegabyteChecklistLineGetsTheReferenceEntryAfterIt)
{
    const QByteArray line = "kb_checklists=" + QByteArray(fiftyMegabytes, 'c') + "\r\n";
    writeCfg(line);
    EXPECT_LT(install(Reference), generousMilliseconds);
    EXPECT_EQ(errorCount(), 0);
    EXPECT_TRUE(cfg() == line + "kb_reference=cessna172_ref\r\n\r\n");
}

TEST_F(BadInput, AFiftyMegabyteChecklistLineIsReplacedByTheEntryLine)
{
    writeCfg("KB_CHECKLISTS=" + QByteArray(fiftyMegabytes, '\xe9'));
    EXPECT_LT(install(Checklist, false), generousMilliseconds);
    EXPECT_EQ(errorCount(), 0);
    EXPECT_EQ(cfg(), "kb_checklists=cessna172_check\r\n\r\n");
}

class BadBytes : public BadInput, public testing::WithParamInterface<RewriteCase>
{
};

TEST_P(BadBytes, EveryByteOfALineNoTestMatchesComesBack)
{
    RewriteCase row = GetParam();
    // A file in which no line passes a test is left as it is: an entry line
    // after the others has the install rewrite them.
    if (!row.after.contains("cessna172")) {
        const bool lineEndLast = row.before.endsWith('\r') || row.before.endsWith('\n');
        row.before += (lineEndLast ? "" : "\r\n") + "kb_checklists=z"_ba;
        row.after = row.after.chopped(2)
            + (row.section == Checklist ? "kb_checklists=cessna172_check\r\n\r\n"
                                        : "kb_checklists=z\r\nkb_reference=cessna172_ref\r\n\r\n");
    }
    writeCfg(row.before);
    install(row.section);
    EXPECT_EQ(errorCount(), 0);
    EXPECT_EQ(cfg(), row.after);
    EXPECT_EQ(readBytes(path("aircraft.bak")), row.before);
}

// All 256 byte values but CR and LF, in one line.
QByteArray everyByteButLineEnds()
{
    QByteArray bytes;
    for (int b = 0; b < 256; ++b) {
        if (b != '\r' && b != '\n')
            bytes += char(b);
    }
    return bytes;
}

INSTANTIATE_TEST_SUITE_P(
    NulAndNonAscii, BadBytes,
    testing::Values(
        RewriteCase{"NulInsideTheKeyIsNoEntry", Checklist,
                    "kb_\x00"
                    "checklists=x\r\n"_ba,
                    "kb_\x00"
                    "checklists=x\r\n\r\n"_ba},
        RewriteCase{"NulBeforeTheKeyIsNoEntry", Reference, "\x00kb_reference=x\r\nkb_check=y\r\n"_ba,
                    "\x00kb_reference=x\r\nkb_check=y\r\nkb_reference=cessna172_ref\r\n\r\n"_ba},
        RewriteCase{"NulAndHighBytesAfterTheKeyStillMatch", Reference, "Kb_Reference=\x00\xff\xfe\r\n"_ba,
                    "kb_reference=cessna172_ref\r\n\r\n"},
        RewriteCase{"OnlyNulBytes", Checklist, QByteArray(1000, '\0'), QByteArray(1000, '\0') + "\r\n\r\n"},
        RewriteCase{"EveryByteValue", Reference, everyByteButLineEnds() + "\r\n" + everyByteButLineEnds(),
                    everyByteButLineEnds() + "\r\n" + everyByteButLineEnds() + "\r\n\r\n"},
        // Latin-1 capitals are not ASCII capitals: no case folding beyond A-Z.
        RewriteCase{"NonAsciiCapitalsAreNotFolded", Checklist,
                    "\xcb\xc2_CHECKLISTS=x\r\nKB_CH\xc9"
                    "CK=y\r\n"_ba,
                    "\xcb\xc2_CHECKLISTS=x\r\nKB_CH\xc9"
                    "CK=y\r\n\r\n"_ba},
        // Notepad's byte-order mark hides a key on the first line: the line
        // comes back as it was.
        RewriteCase{"Utf8ByteOrderMarkBeforeAKey", Checklist, "\xef\xbb\xbfkb_checklists=x\r\n"_ba,
                    "\xef\xbb\xbfkb_checklists=x\r\n\r\n"_ba},
        RewriteCase{"Utf8TextKept", Reference,
                    "title=Cessna \xc3\xa9\xc3\xa8 \xe2\x9c\x88\r\nkb_checklists=a\r\n"_ba,
                    "title=Cessna \xc3\xa9\xc3\xa8 \xe2\x9c\x88\r\nkb_checklists=a\r\n"
                    "kb_reference=cessna172_ref\r\n\r\n"_ba}),
    rewriteCaseName);

// Line ends: CR LF, a lone CR and a lone LF each end a line (TextFile.h), and
// every line comes back with CR LF.
INSTANTIATE_TEST_SUITE_P(
    MixedLineEnds, BadBytes,
    testing::Values(
        RewriteCase{"AllThreeInOneFile", Reference, "[fltsim.0]\rkb_checklists=a\ntitle=b\r\nc",
                    "[fltsim.0]\r\nkb_checklists=a\r\nkb_reference=cessna172_ref\r\ntitle=b\r\nc\r\n\r\n"},
        RewriteCase{"CrBeforeCrLfIsAnEmptyLine", Checklist, "a\r\r\nb", "a\r\n\r\nb\r\n\r\n"},
        RewriteCase{"LfBeforeCrIsTwoEnds", Checklist, "a\n\rb", "a\r\n\r\nb\r\n\r\n"},
        RewriteCase{"OnlyLineEnds", Reference, "\r\n\r\r\n\n\n\r", "\r\n\r\n\r\n\r\n\r\n\r\n\r\n"},
        RewriteCase{"LoneCrAtTheEnd", Checklist, "kb_checklists=a\r",
                    "kb_checklists=cessna172_check\r\n\r\n"},
        RewriteCase{"LoneLfAtTheEnd", Checklist, "kb_checklists=a\n",
                    "kb_checklists=cessna172_check\r\n\r\n"},
        // 299 lone CRs, one CR LF where the two runs meet, 299 lone LFs.
        RewriteCase{"ManyBlankLinesOfEachKind", Checklist, QByteArray(300, '\r') + QByteArray(300, '\n'),
                    "\r\n"_ba.repeated(599 + 1)}),
    rewriteCaseName);

TEST_F(BadInput, AnAircraftCfgThatIsAFolderIsReportedWithABackupAsked)
{
    ASSERT_TRUE(QDir(dir.path()).mkdir("aircraft.cfg"));
    install(Reference);
    expectOneErrorNaming("aircraft.cfg", reasonOpening(path("aircraft.cfg")));
    EXPECT_TRUE(QFileInfo(path("aircraft.cfg")).isDir());
    EXPECT_EQ(entriesOf(path("aircraft.cfg")), QStringList{});
    EXPECT_EQ(entriesOf(dir.path()), QStringList{"aircraft.cfg"}) << "a failed install writes no page";
}

TEST_F(BadInput, AnAircraftCfgThatIsAFolderIsReportedWithoutABackup)
{
    ASSERT_TRUE(QDir(dir.path()).mkdir("aircraft.cfg"));
    install(Checklist, false);
    expectOneErrorNaming("aircraft.cfg", reasonOpening(path("aircraft.cfg")));
    EXPECT_TRUE(QFileInfo(path("aircraft.cfg")).isDir());
    EXPECT_EQ(entriesOf(dir.path()), QStringList{"aircraft.cfg"});
}

TEST_F(BadInput, AMissingAircraftCfgIsReportedAndNotCreated)
{
    install(Reference);
    expectOneErrorNaming("aircraft.cfg", reasonOpening(path("aircraft.cfg")));
    dialogs.calls.clear();
    install(Checklist, false);
    expectOneErrorNaming("aircraft.cfg", reasonOpening(path("aircraft.cfg")));
    EXPECT_EQ(entriesOf(dir.path()), QStringList{});
}

TEST_F(BadInput, TheNextInstallAfterABadFileWorks)
{
    ASSERT_TRUE(QDir(dir.path()).mkdir("aircraft.cfg"));
    install(Reference);
    ASSERT_TRUE(QDir(dir.path()).rmdir("aircraft.cfg"));
    writeCfg("kb_checklists=a\r\n");
    dialogs.calls.clear();
    install(Reference);
    EXPECT_EQ(errorCount(), 0);
    EXPECT_EQ(cfg(), "kb_checklists=a\r\nkb_reference=cessna172_ref\r\n\r\n");
}
