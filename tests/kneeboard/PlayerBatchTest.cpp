// What the console program prints and the hangar's summary shows of each
// aircraft, and of them all: the words of the core, for both.

#include "kneeboard/PlayerBatch.h"
#include "kneeboard/PlayerPage.h"

#include "Files.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <map>

namespace {

using Work = PlayerBatch::Work;
using Result = PlayerBatch::Result;

struct BatchCase
{
    const char *name;
    std::map<QString, QByteArray> files; // beside Cessna172.air
    Work work;
    InstallChoices choices;
    Result result;
    QString text;
};

void PrintTo(const BatchCase &row, std::ostream *out)
{
    *out << row.name;
}

class BatchLines : public testing::TestWithParam<BatchCase>
{
};

const QByteArray player = buildPlayerPage() + "\r\n";
const InstallChoices newChecklist{.checklist = true, .newFile = true};
const InstallChoices bothSections{.checklist = true, .reference = true};

} // namespace

TEST_P(BatchLines, SayWhatWasDoneToEachAircraft)
{
    const BatchCase &row = GetParam();
    QTemporaryDir dir;
    writeBytes(dir.filePath("Cessna172.air"), "flight model");
    for (const auto &[name, bytes] : row.files)
        writeBytes(dir.filePath(name), bytes);
    PlayerBatch batch(row.work, row.choices);
    const PlayerBatch::Outcome outcome = batch.run(dir.filePath("Cessna172.air"));
    EXPECT_EQ(outcome.result, row.result);
    // A failure names the file by its whole path: the row holds its start.
    if (row.result == Result::Failed)
        EXPECT_TRUE(outcome.text.startsWith(row.text)) << outcome.text.toStdString();
    else
        EXPECT_EQ(outcome.text, row.text);
}

INSTANTIATE_TEST_SUITE_P(
    Aircraft, BatchLines,
    testing::Values(
        BatchCase{"Installed",
                  {{"aircraft.cfg", "kb_checklists=own\r\n"}},
                  Work::Install,
                  newChecklist,
                  Result::Done,
                  "Checklist page written, aircraft.cfg updated, backup made"},
        BatchCase{"InstalledAlready",
                  {{"aircraft.cfg", "kb_checklists=cessna172_check\r\n"}, {"cessna172_check.htm", player}},
                  Work::Install,
                  newChecklist,
                  Result::Unchanged,
                  "Checklist page already holds the player, kb_checklists entry already names the page, "
                  "aircraft.cfg left as it was"},
        BatchCase{"NoEntryToReplace",
                  {{"aircraft.cfg", "title=Cessna\r\n"}},
                  Work::Install,
                  newChecklist,
                  Result::Done,
                  "Checklist page written, no kb_checklists entry to replace, aircraft.cfg left as it was"},
        BatchCase{"Unreadable", {}, Work::Install, newChecklist, Result::Failed, "failed: Could not read \""},
        BatchCase{"NothingToRemove",
                  {{"aircraft.cfg", "title=Cessna\r\n"}},
                  Work::Remove,
                  bothSections,
                  Result::Unchanged,
                  "nothing to remove"},
        BatchCase{"RemovedWithoutBackup",
                  {{"aircraft.cfg", "kb_checklists=cessna172_check\r\n"}, {"cessna172_check.htm", player}},
                  Work::Remove,
                  bothSections,
                  Result::Done,
                  "entries removed from aircraft.cfg, Checklist page deleted. The checklist entry that the "
                  "install replaced could not be restored: there is no aircraft.bak. Only the entries naming "
                  "cessna172_check were removed."}),
    [](const testing::TestParamInfo<BatchCase> &info) { return std::string(info.param.name); });

TEST(BatchHeadline, CountsWhatWasDoneFailedAndLeftByACancel)
{
    QTemporaryDir dir;
    writeBytes(dir.filePath("Cessna172.air"), "flight model");
    writeBytes(dir.filePath("aircraft.cfg"), "kb_checklists=own\r\n");
    PlayerBatch install(Work::Install, newChecklist);
    install.run(dir.filePath("Cessna172.air"));
    install.run(dir.filePath("Cessna172.air"));
    install.refuse("there is no such .air file");
    EXPECT_EQ(install.headline(4),
              "Installed into 2 of 4 aircraft; 1 failed. Cancelled: 1 aircraft were left as they were.");
    EXPECT_EQ(install.failedCount(), 1);

    PlayerBatch removal(Work::Remove, bothSections);
    removal.run(dir.filePath("Cessna172.air"));
    removal.run(dir.filePath("Cessna172.air"));
    EXPECT_EQ(removal.headline(2), "Removed from 1 of 2 aircraft; 1 had nothing to remove.");
}
