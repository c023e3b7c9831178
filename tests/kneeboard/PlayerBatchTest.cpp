// What the console program prints and the hangar's summary shows of each
// aircraft, and of them all: the words of the core, for both.

#include "kneeboard/PlayerBatch.h"
#include "kneeboard/PlayerPage.h"

#include "Files.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

using Work = PlayerBatch::Work;
using Result = PlayerBatch::Result;

const InstallChoices newChecklist{.checklist = true, .newFile = true};
const InstallChoices bothSections{.checklist = true, .reference = true};

} // namespace

TEST(PlayerBatch, SaysWhatEachAircraftCameToAndCountsThem)
{
    QTemporaryDir dir;
    const QString air = dir.filePath("Cessna172.air");
    writeBytes(air, "flight model");
    writeBytes(dir.filePath("aircraft.cfg"), "kb_checklists=cessna172_check\r\n");

    PlayerBatch install(Work::Install, newChecklist);
    EXPECT_EQ(
        install.run(air).text,
        "Checklist page written, kb_checklists entry already names the page, aircraft.cfg left as it was");
    const PlayerBatch::Outcome again = install.run(air);
    EXPECT_EQ(again.result, Result::Unchanged);
    EXPECT_EQ(again.text,
              "Checklist page already holds the player, kb_checklists entry already names the "
              "page, aircraft.cfg left as it was");
    EXPECT_EQ(install.refuse("there is no such .air file").text, "failed: there is no such .air file");
    EXPECT_EQ(install.headline(4),
              "Installed into 2 of 4 aircraft; 1 failed. Cancelled: 1 aircraft were left as they were.");
    EXPECT_EQ(install.failedCount(), 1);

    PlayerBatch removal(Work::Remove, bothSections);
    const PlayerBatch::Outcome removed = removal.run(air);
    EXPECT_EQ(removed.result, Result::Done);
    EXPECT_EQ(removed.text,
              "entries removed from aircraft.cfg, Checklist page deleted. The checklist entry that the "
              "install replaced could not be restored: there is no aircraft.bak. Only the entries naming "
              "cessna172_check were removed.");
    EXPECT_EQ(removal.run(air).text, "nothing to remove");
    EXPECT_EQ(removal.headline(2), "Removed from 1 of 2 aircraft; 1 had nothing to remove.");
}
