// A save from the playlist window on a full disk, made on purpose with a file
// size limit.

#include "FileSizeLimit.h"
#include "PlaylistWindowInFolder.h"

#include <QDir>

TEST_F(PlaylistWindowTest, AFailedSaveLeavesTheOldFileAndSaysWhy)
{
    file("list.m3u", "old.mp3\r\n");
    load();
    for (int i = 0; i < 50; ++i) {
        dialogs.choose(path("A song with a rather long name %1.mp3").arg(i));
        click("addSongAction");
    }
    dialogs.choose(path("list.m3u"));
    {
        FileSizeLimit limit(512);
        click("savePlaylistAction");
    }
    ASSERT_EQ(dialogs.messages().size(), 1u);
    EXPECT_EQ(dialogs.messages()[0].title, "Error");
    EXPECT_EQ(dialogs.messages()[0].style, errorBox);
    EXPECT_TRUE(dialogs.messages()[0].text.contains(QDir::toNativeSeparators(path("list.m3u"))));
    EXPECT_EQ(readBytes(path("list.m3u")), "old.mp3\r\n");
    EXPECT_EQ(entriesOf(dir.path()), QStringList{"list.m3u"});
    EXPECT_EQ(window->playlist().count(), 50);
}
