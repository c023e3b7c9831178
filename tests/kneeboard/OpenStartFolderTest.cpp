#include "gui/Installer.h"

#include "LabelledFolderPrint.h"
#include "ScriptedDialogs.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

const QList<LabelledFolder> twoSimulators{{"/home/pilot/.wine/drive_c/FS9/Aircraft", "FS2004 (.wine)"},
                                          {"/home/pilot/Games/fs9/drive_c/FS9/Aircraft", "FS2004 (fs9)"}};

struct StartCase
{
    const char *name;
    QList<LabelledFolder> found;
    std::vector<QString> earlierChoices; // "" cancels; ".air" is refused
    QString startFolder;
};

class OpenStartFolder : public testing::TestWithParam<StartCase>
{
};

} // namespace

TEST_P(OpenStartFolder, StartsAtTheLastAircraftElseAtTheFirstSimulatorFound)
{
    ScriptedDialogs dialogs;
    Installer installer(dialogs, [] { return GetParam().found; });
    for (const QString &choice : GetParam().earlierChoices) {
        dialogs.choose(choice);
        installer.openCommand();
    }
    dialogs.choose("");
    installer.openCommand();
    EXPECT_EQ(dialogs.calls.back().startFolder, GetParam().startFolder);
    EXPECT_EQ(dialogs.calls.back().sidebarFolders, GetParam().found);
}

INSTANTIATE_TEST_SUITE_P(
    Choices, OpenStartFolder,
    testing::Values(StartCase{"NothingFoundNothingChosen", {}, {}, ""},
                    StartCase{"FirstSimulatorFound", twoSimulators, {}, twoSimulators[0].path},
                    StartCase{"LastAircraftChosen",
                              twoSimulators,
                              {"/sim/Aircraft/Cessna/c172.air", "/sim/Aircraft/Piper/j3.AIR", ""},
                              "/sim/Aircraft/Piper/"},
                    StartCase{"ARefusedFileIsNoChoice", twoSimulators, {"/sim/.air"}, twoSimulators[0].path}),
    [](const testing::TestParamInfo<StartCase> &info) { return std::string(info.param.name); });
