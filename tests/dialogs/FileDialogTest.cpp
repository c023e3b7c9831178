#include "dialogs/FileDialog.h"

#include "ScriptedDialogs.h"

#include <gtest/gtest.h>

TEST(FileDialog, GivesThePathAndItsTitle)
{
    ScriptedDialogs dialogs;
    dialogs.choose("/sim/Aircraft/Cessna/Cessna172.AIR");
    FileDialog dialog(dialogs);
    dialog.Filter = "AIR Files (*.air)|*.air";
    dialog.ShowOpen();
    EXPECT_EQ(dialog.FileName(), "/sim/Aircraft/Cessna/Cessna172.AIR");
    EXPECT_EQ(dialog.FileTitle(), "Cessna172.AIR");
    ASSERT_EQ(dialogs.calls.size(), 1u);
    EXPECT_EQ(dialogs.calls[0].kind, DialogCall::OpenFile);
    EXPECT_EQ(dialogs.calls[0].text, "AIR Files (*.air)|*.air");
}

TEST(FileDialog, ACancelAfterAnEarlierChoiceGivesEmptyNames)
{
    ScriptedDialogs dialogs;
    dialogs.choose("/lists/rock.m3u").choose("");
    FileDialog dialog(dialogs);
    dialog.ShowSave();
    EXPECT_EQ(dialog.FileTitle(), "rock.m3u");
    dialog.ShowSave();
    EXPECT_TRUE(dialog.FileName().isEmpty());
    EXPECT_TRUE(dialog.FileTitle().isEmpty());
    EXPECT_EQ(dialogs.calls[1].kind, DialogCall::SaveFile);
}
