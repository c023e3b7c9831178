// A playlist save on a full disk, made on purpose with a file size limit.

#include "FileSizeLimit.h"
#include "PlaylistInFolder.h"

TEST_F(PlaylistTest, AFailedSaveLeavesTheOldFileAsItWas)
{
    const QByteArray old = "old.mp3\r\n";
    file("list.m3u", old);
    for (int i = 0; i < 100; ++i)
        ASSERT_TRUE(succeeded(playlist.appendSong("C:\\A rather long folder name\\Song.mp3", "Song.mp3")));
    PlaylistResult result;
    {
        FileSizeLimit limit(1024);
        result = playlist.writePlaylist(path("list.m3u"));
    }
    expectFileErrorNaming(result, path("list.m3u"), "File too large");
    EXPECT_EQ(readBytes(path("list.m3u")), old);
    EXPECT_EQ(entriesOf(dir.path()), QStringList{"list.m3u"});
    EXPECT_EQ(playlist.count(), 100);
}
