// What the install core reports of each path it can take.

#include "kneeboard/PlayerInstall.h"
#include "kneeboard/PlayerPage.h"
#include "simulator/SimulatorCodePages.h"

#include "Files.h"

#include <QDir>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <map>

namespace {

using enum KneeboardSection;
using Action = InstallReport::PageAction;

struct ReportCase
{
    const char *name;
    std::map<QString, QByteArray> files; // beside Cessna172.air; a name ending in '/' is a folder
    InstallChoices choices;
    QList<std::pair<KneeboardSection, Action>> pages;
    QList<QByteArray> replaced;
    QList<QByteArray> added;
    QList<KneeboardSection> withoutEntry;
    bool cfgChanged;
    bool backupMade;
    QString failedFile = {}; // the file the failure names
    QList<KneeboardSection> alreadyNamed = {};
    bool backupKept = false;
};

void PrintTo(const ReportCase &row, std::ostream *out)
{
    *out << row.name;
}

class InstallReports : public testing::TestWithParam<ReportCase>
{
};

const InstallChoices newChecklist{.checklist = true, .newFile = true};
const InstallChoices newReference{.reference = true, .newFile = true};
const InstallChoices addChecklist{.checklist = true, .addToExisting = true};
const QByteArray player = buildPlayerPage() + "\r\n";

} // namespace

TEST_P(InstallReports, SayWhatWasDone)
{
    const ReportCase &row = GetParam();
    QTemporaryDir dir;
    for (const auto &[name, bytes] : row.files) {
        if (name.endsWith('/'))
            ASSERT_TRUE(QDir(dir.path()).mkdir(name));
        else
            writeBytes(dir.filePath(name), bytes);
    }
    SimulatorCodePages codePages;
    const InstallReport report =
        installPlayer(*Aircraft::fromAirPath(dir.filePath("Cessna172.air")), row.choices, codePages);

    EXPECT_EQ(report.failed(), !row.failedFile.isEmpty()) << report.failureMessage().toStdString();
    if (!row.failedFile.isEmpty()) {
        ASSERT_TRUE(report.failure.has_value());
        EXPECT_EQ(QFileInfo(report.failure->path).fileName(), row.failedFile);
        return;
    }
    QList<std::pair<KneeboardSection, Action>> pages;
    for (const InstallReport::Page &page : report.pages)
        pages.append({page.section, page.action});
    EXPECT_EQ(pages, row.pages);
    EXPECT_EQ(report.cfgConfigured, row.choices.configureCfg);
    EXPECT_EQ(report.replacedLines, row.replaced);
    EXPECT_EQ(report.addedLines, row.added);
    EXPECT_EQ(report.withoutEntry, row.withoutEntry);
    EXPECT_EQ(report.cfgChanged, row.cfgChanged);
    EXPECT_EQ(report.backupMade, row.backupMade);
    EXPECT_EQ(report.alreadyNamed, row.alreadyNamed);
    EXPECT_EQ(report.backupKept, row.backupKept);
    for (const auto &[name, bytes] : row.files) {
        if (name == "aircraft.bak" && !row.backupMade)
            EXPECT_EQ(readBytes(dir.filePath(name)), bytes) << "a backup kept is not written";
    }
}

INSTANTIATE_TEST_SUITE_P(
    Paths, InstallReports,
    testing::Values(
        ReportCase{"EntriesReplaced",
                   {{"aircraft.cfg", "kb_checklists=old\r\n[fltsim.1]\r\nCHECKLISTS=older\r\n"}},
                   newChecklist,
                   {{Checklist, Action::Written}},
                   {"kb_checklists=old", "CHECKLISTS=older"},
                   {"kb_checklists=cessna172_check", "kb_checklists=cessna172_check"},
                   {},
                   true,
                   true},
        ReportCase{"ReferenceAddedAfterTheChecklistEntry",
                   {{"aircraft.cfg", "kb_checklists=x\r\n"}},
                   newReference,
                   {{Reference, Action::Written}},
                   {},
                   {"kb_reference=cessna172_ref"},
                   {},
                   true,
                   true},
        ReportCase{"NoEntryToReplace",
                   {{"aircraft.cfg", "title=x\r\n"}},
                   newChecklist,
                   {{Checklist, Action::Written}},
                   {},
                   {},
                   {Checklist},
                   false,
                   false},
        ReportCase{"CfgNotConfigured",
                   {{"aircraft.cfg", "kb_checklists=x\r\n"}, {"cessna172_check.htm", "<p>own</p>"}},
                   {.checklist = true, .addToExisting = true, .configureCfg = false, .backupCfg = false},
                   {{Checklist, Action::AppendedTo}},
                   {},
                   {},
                   {},
                   false,
                   false},
        ReportCase{"PageCreatedWithoutBackup",
                   {{"aircraft.cfg", "KB_CHECKLISTS=cessna172_check\r\n"}},
                   {.checklist = true, .addToExisting = true, .backupCfg = false},
                   {{Checklist, Action::Created}},
                   {"KB_CHECKLISTS=cessna172_check"},
                   {"kb_checklists=cessna172_check"},
                   {},
                   true,
                   false},
        ReportCase{
            "PlayerAmongOtherLinesIsNotAddedAgain",
            {{"aircraft.cfg", "kb_checklists=old\r\n"}, {"cessna172_check.htm", player + "<p>mine</p>"}},
            addChecklist,
            {{Checklist, Action::AlreadyHeld}},
            {"kb_checklists=old"},
            {"kb_checklists=cessna172_check"},
            {},
            true,
            true},
        // aircraft.bak holds aircraft.cfg from before an earlier install: it
        // stays the aircraft's own.
        ReportCase{"BackupOfTheAircraftsOwnKept",
                   {{"aircraft.cfg", "kb_checklists=cessna172_check\r\n\r\n"},
                    {"aircraft.bak", "kb_checklists=own\r\n"}},
                   newReference,
                   {{Reference, Action::Written}},
                   {},
                   {"kb_reference=cessna172_ref"},
                   {},
                   true,
                   false,
                   {},
                   {},
                   true},
        ReportCase{"APageThatCannotBeRead",
                   {{"aircraft.cfg", "x"}, {"cessna172_check.htm/", {}}},
                   addChecklist,
                   {},
                   {},
                   {},
                   {},
                   false,
                   false,
                   "cessna172_check.htm"},
        ReportCase{"NoAircraftCfg", {}, newChecklist, {}, {}, {}, {}, false, false, "aircraft.cfg"},
        ReportCase{"ABackupThatCannotBeWritten",
                   {{"aircraft.cfg", "kb_checklists=x"}, {"aircraft.bak/", {}}},
                   newChecklist,
                   {},
                   {},
                   {},
                   {},
                   false,
                   false,
                   "aircraft.bak"}),
    [](const testing::TestParamInfo<ReportCase> &info) { return std::string(info.param.name); });
