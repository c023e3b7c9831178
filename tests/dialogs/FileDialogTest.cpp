#include "dialogs/FileDialog.h"

#include "ScriptedDialogs.h"

#include <gtest/gtest.h>

TEST(FileDialog, GivesThePathAndItsTitle)
{
    ScriptedDialogs dialogs;
    dialogs.choose("/sim/Aircraft/Cessna/Cessna172.AIR");
    FileDialog dialog(dialogs);
    dialog.setFilter("AIR Files (*.air)|*.air");
    dialog.showOpen();
    EXPECT_EQ(dialog.fileName(), "/sim/Aircraft/Cessna/Cessna172.AIR");
    EXPECT_EQ(dialog.fileTitle(), "Cessna172.AIR");
    ASSERT_EQ(dialogs.calls.size(), 1u);
    EXPECT_EQ(dialogs.calls[0].kind, DialogCall::OpenFile);
    EXPECT_EQ(dialogs.calls[0].text, "AIR Files (*.air)|*.air");
}

TEST(FileDialog, ACancelAfterAnEarlierChoiceGivesEmptyNames)
{
    ScriptedDialogs dialogs;
    dialogs.choose("/lists/rock.m3u").choose("");
    FileDialog dialog(dialogs);
    dialog.showSave();
    EXPECT_EQ(dialog.fileTitle(), "rock.m3u");
    dialog.showSave();
    EXPECT_TRUE(dialog.fileName().isEmpty());
    EXPECT_TRUE(dialog.fileTitle().isEmpty());
    EXPECT_EQ(dialogs.calls[1].kind, DialogCall::SaveFile);
}
