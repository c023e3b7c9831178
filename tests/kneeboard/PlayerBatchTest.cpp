// What the console program prints and the hangar's summary shows of each
// aircraft, and of them all: the words of the core, for both.

#include "kneeboard/PlayerBatch.h"

#include "Files.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

using Work = PlayerBatch::Work;
using Result = PlayerBatch::Result;

const InstallChoices newChecklist{.checklist = true, .newFile = true};

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
    // An aircraft that had all of it already counts as installed into.
    EXPECT_EQ(install.headline(3),
              "Installed into 2 of 3 aircraft. Cancelled: 1 aircraft were left as they were.");
}
