#include "kneeboard/PlayerRemoval.h"
#include "kneeboard/PlayerInstall.h"
#include "simulator/SimulatorCodePages.h"

#include "InstallerInFolder.h"

#include <QFile>

#include <map>

namespace {

using Files = std::map<QString, QByteArray>;
using Outcome = RemovalReport::Outcome;

// One install of the window's, into the aircraft "Cessna172".
struct WindowInstall
{
    KneeboardSection section;
    bool addToExisting;
    bool backup;
};

struct RemovalCase
{
    const char *name;
    Files before;                        // the aircraft folder before the installs, beside Cessna172.air
    std::vector<WindowInstall> installs; // in turn
    Files edits;                         // written after the installs
    QList<KneeboardSection> sections;    // taken out
    Outcome outcome;
    Files after;          // every file of the folder after the removal
    QString said;         // in the notes and failures
    QString deleted = {}; // a file deleted after the installs
};

void PrintTo(const RemovalCase &row, std::ostream *out)
{
    *out << row.name;
}

std::string removalCaseName(const testing::TestParamInfo<RemovalCase> &info)
{
    return info.param.name;
}

const QByteArray air = "flight model";
const QByteArray cfg = "[fltsim.0]\r\ntitle=Cessna\r\nkb_checklists=c172_notes\r\n[General]\r\n";
const QByteArray cfgWithoutEntry = "[fltsim.0]\r\ntitle=Cessna\r\n[General]\r\n\r\n";
const QByteArray installedCfg =
    "[fltsim.0]\r\ntitle=Cessna\r\nkb_checklists=cessna172_check\r\n[General]\r\n\r\n";
const QByteArray ownPage = "<p>Before take-off</p>"; // no line end: the player follows at once
const QByteArray player = InstallerInFolder::player();

const Files original = {{"aircraft.cfg", cfg}};
const Files withOwnPage = {{"aircraft.cfg", cfg}, {"cessna172_check.htm", ownPage}};
const Files restored = {{"aircraft.cfg", cfg}, {"aircraft.bak", cfg}};
const Files restoredWithOwnPage = {
    {"aircraft.cfg", cfg}, {"aircraft.bak", cfg}, {"cessna172_check.htm", ownPage}};

class Removal : public testing::TestWithParam<RemovalCase>
{
};

} // namespace

TEST_P(Removal, GivesBackTheBytesThatCanBeKnown)
{
    const RemovalCase &row = GetParam();
    InstallerInFolder folder;
    writeBytes(folder.path("Cessna172.air"), air);
    for (const auto &[name, bytes] : row.before)
        writeBytes(folder.path(name), bytes);
    for (const WindowInstall &install : row.installs) {
        folder.configureWithBackup(install.backup);
        if (install.addToExisting)
            folder.installer.addToExistingPage(install.section);
        else
            folder.installer.installNewPage(install.section);
    }
    ASSERT_EQ(folder.errorCount(), 0);
    for (const auto &[name, bytes] : row.edits)
        writeBytes(folder.path(name), bytes);
    if (!row.deleted.isEmpty()) {
        ASSERT_TRUE(QFile::remove(folder.path(row.deleted)));
    }

    PlayerRemoval removal;
    const RemovalReport report = removal.remove(folder.path("Cessna172.air"), row.sections);

    EXPECT_EQ(report.outcome, row.outcome) << (report.notes + report.failures).join('\n').toStdString();
    Files after;
    for (const QString &name : entriesOf(folder.dir.path()))
        after[name] = readBytes(folder.path(name));
    EXPECT_EQ(after["Cessna172.air"], air);
    after.erase("Cessna172.air");
    EXPECT_EQ(after, row.after);
    const QString said = (report.notes + report.failures).join('\n');
    EXPECT_EQ(said.isEmpty(), row.said.isEmpty()) << said.toStdString();
    EXPECT_TRUE(said.contains(row.said)) << said.toStdString();
}

INSTANTIATE_TEST_SUITE_P(
    Cases, Removal,
    testing::Values(RemovalCase{"NewFileWithMatchingBackup",
                                original,
                                {{Checklist, false, true}},
                                {},
                                {Checklist},
                                Outcome::Removed,
                                restored,
                                ""},
                    RemovalCase{"AddToExistingPage",
                                withOwnPage,
                                {{Checklist, true, true}},
                                {},
                                {Checklist, Reference},
                                Outcome::Removed,
                                restoredWithOwnPage,
                                ""},
                    RemovalCase{"AddToExistingTwice",
                                withOwnPage,
                                {{Checklist, true, true}, {Checklist, true, false}},
                                {},
                                {Checklist},
                                Outcome::Removed,
                                restoredWithOwnPage,
                                ""},
                    RemovalCase{"AddToExistingCreatedThePage",
                                original,
                                {{Reference, true, true}},
                                {},
                                {Reference},
                                Outcome::Removed,
                                restored,
                                ""},
                    RemovalCase{"ReferenceInsertedAfterTheChecklistEntry",
                                original,
                                {{Reference, false, true}},
                                {},
                                {Checklist, Reference},
                                Outcome::Removed,
                                restored,
                                ""},
                    RemovalCase{"ReferenceReplacedWithoutBackup",
                                {{"aircraft.cfg", "Reference=old\r\nKB_Reference=cessna172_ref\r\n"}},
                                {{Reference, false, false}},
                                {},
                                {Reference},
                                Outcome::Removed,
                                {{"aircraft.cfg", "\r\n"}},
                                "there is no aircraft.bak"},
                    RemovalCase{"StaleBackup",
                                original,
                                {{Checklist, false, true}},
                                {{"aircraft.bak", "[fltsim.0]\r\n"}},
                                {Checklist},
                                Outcome::Removed,
                                {{"aircraft.cfg", cfgWithoutEntry}, {"aircraft.bak", "[fltsim.0]\r\n"}},
                                "could not be restored: aircraft.bak did not match aircraft.cfg"},
                    RemovalCase{"EditedAfterTheInstall",
                                original,
                                {{Checklist, false, true}},
                                {{"aircraft.cfg", "; mine\r\n" + installedCfg}},
                                {Checklist},
                                Outcome::Removed,
                                {{"aircraft.cfg", "; mine\r\n" + cfgWithoutEntry}, {"aircraft.bak", cfg}},
                                "could not be restored"},
                    // A later install keeps the backup the first one made: it
                    // still holds the aircraft's own entry.
                    RemovalCase{"BothSectionsOfNewFileOneAfterTheOther",
                                original,
                                {{Checklist, false, true}, {Reference, false, true}},
                                {},
                                {Checklist, Reference},
                                Outcome::Removed,
                                restored,
                                ""},
                    RemovalCase{"NewFileTwiceWithBackups",
                                original,
                                {{Checklist, false, true}, {Checklist, false, true}},
                                {},
                                {Checklist},
                                Outcome::Removed,
                                restored,
                                ""},
                    RemovalCase{
                        "EntryKeysInAnyCase",
                        {{"aircraft.cfg",
                          "KB_Checklists=cessna172_check\r\nkb_checklists=cessna172_check_x\rtitle=x"},
                         {"cessna172_check.htm", player}},
                        {},
                        {},
                        {Checklist},
                        Outcome::Removed,
                        {{"aircraft.cfg", "kb_checklists=cessna172_check_x\rtitle=x"}},
                        "there is no aircraft.bak"},
                    RemovalCase{"PageChangedAfterTheInstall",
                                original,
                                {{Checklist, false, true}},
                                {{"cessna172_check.htm", player + "<p>mine</p>\r\n"}},
                                {Checklist},
                                Outcome::Failed,
                                {{"aircraft.cfg", installedCfg},
                                 {"aircraft.bak", cfg},
                                 {"cessna172_check.htm", player + "<p>mine</p>\r\n"}},
                                "was left as it was"},
                    RemovalCase{"PageDeletedByHand",
                                original,
                                {{Checklist, false, true}},
                                {},
                                {Checklist},
                                Outcome::Removed,
                                restored,
                                "",
                                "cessna172_check.htm"},
                    // The page stays, cut back: the entry naming it is the aircraft's own.
                    RemovalCase{"AddToExistingKeepsTheAircraftsOwnEntry",
                                {{"aircraft.cfg", installedCfg}, {"cessna172_check.htm", ownPage}},
                                {{Checklist, true, false}},
                                {},
                                {Checklist},
                                Outcome::Removed,
                                {{"aircraft.cfg", installedCfg}, {"cessna172_check.htm", ownPage}},
                                ""},
                    RemovalCase{"NothingInstalled",
                                withOwnPage,
                                {},
                                {},
                                {Checklist, Reference},
                                Outcome::NothingToRemove,
                                withOwnPage,
                                ""}),
    removalCaseName);

// One command that installs into two sections, or twice into one, makes one
// backup, of aircraft.cfg as it was before it: removal gives every file back.
class RemovalAfterOneCommand : public testing::TestWithParam<InstallChoices>
{
};

TEST_P(RemovalAfterOneCommand, GivesEveryFileBack)
{
    const QByteArray ownCfg = "[fltsim.0]\r\ntitle=Cessna\r\nkb_checklists=Cessna172_check\r\n";
    const Files before = {{"aircraft.cfg", ownCfg}};
    InstallerInFolder folder;
    for (const auto &[name, bytes] : before)
        writeBytes(folder.path(name), bytes);
    SimulatorCodePages codePages;
    const Aircraft aircraft = *Aircraft::fromAirPath(folder.path("Cessna172.air"));
    ASSERT_FALSE(installPlayer(aircraft, GetParam(), codePages).failed());
    EXPECT_EQ(readBytes(folder.path("aircraft.bak")), ownCfg);

    const RemovalReport report = PlayerRemoval().remove(folder.path("Cessna172.air"), {Checklist, Reference});
    EXPECT_EQ(report.outcome, Outcome::Removed) << report.failures.join('\n').toStdString();
    Files after;
    for (const QString &name : entriesOf(folder.dir.path()))
        after[name] = readBytes(folder.path(name));
    Files expected = before;
    expected["aircraft.bak"] = ownCfg;
    EXPECT_EQ(after, expected);
}

INSTANTIATE_TEST_SUITE_P(
    Choices, RemovalAfterOneCommand,
    testing::Values(InstallChoices{.checklist = true, .reference = true, .newFile = true},
                    InstallChoices{.checklist = true, .newFile = true, .addToExisting = true},
                    InstallChoices{.checklist = true, .reference = true, .addToExisting = true}));

TEST(RemovalOfAnUnreadablePage, FailsAndLeavesTheOtherSectionAsItWas)
{
    InstallerInFolder folder;
    writeBytes(folder.path("Cessna172.air"), air);
    folder.writeCfg(cfg);
    folder.configureWithBackup(true);
    folder.installer.installNewPage(Checklist);
    ASSERT_TRUE(QDir(folder.dir.path()).mkdir("cessna172_ref.htm"));

    const RemovalReport report = PlayerRemoval().remove(folder.path("Cessna172.air"), {Checklist, Reference});
    EXPECT_EQ(report.outcome, Outcome::Failed);
    EXPECT_TRUE(report.failures.join('\n').contains("cessna172_ref.htm"))
        << report.failures.join('\n').toStdString();
    EXPECT_EQ(folder.cfg(), installedCfg);
    EXPECT_EQ(readBytes(folder.path("cessna172_check.htm")), player);
}
