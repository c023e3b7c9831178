#include "PlaylistInFolder.h"

#include <QDir>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

struct NameCase
{
    const char *name;
    QByteArray given;
    QByteArray displayName;
};

std::string caseName(const testing::TestParamInfo<NameCase> &info)
{
    return info.param.name;
}

class DisplayNameOfLine : public testing::TestWithParam<NameCase>
{
};

class DisplayNameOfTitle : public testing::TestWithParam<NameCase>
{
};

struct ReadCase
{
    const char *name;
    QByteArray content;
    Lines names;
    Lines paths;
};

class ReadPlaylist : public PlaylistTest, public testing::WithParamInterface<ReadCase>
{
};

} // namespace

TEST_P(DisplayNameOfLine, FollowsTheRule)
{
    EXPECT_EQ(Playlist::displayNameOfLine(GetParam().given), GetParam().displayName);
}

INSTANTIATE_TEST_SUITE_P(
    Rule, DisplayNameOfLine,
    testing::Values(NameCase{"FullPath", R"(C:\Tunes\Song.mp3)", "Song"},
                    NameCase{"NoFolder", "Song.mp3", "Song"},
                    NameCase{"DeepFolders", R"(D:\Music\Rock\1990\Track 01.mp3)", "Track 01"},
                    NameCase{"UncPath", R"(\\server\share\Song.mp3)", "Song"},
                    NameCase{"SlashIsNoSeparator", "Tunes/Song.mp3", "Tunes/Song"},
                    NameCase{"UnixPath", "/home/pilot/Music/Song.mp3", "/home/pilot/Music/Song"},
                    NameCase{"ColonIsNoSeparator", "C:Song.mp3", "C:Song"},
                    NameCase{"MixedSeparators", R"(C:\Tunes/Rock\Song.mp3)", "Song"},
                    NameCase{"AnyFourCharacters", R"(C:\Tunes\track.flac)", "track."},
                    NameCase{"TwoTrailingSpacesAmongTheFour", "C:\\Tunes\\Song.mp3  ", "Song.m"},
                    NameCase{"FourTrailingSpaces", "C:\\Tunes\\Song.mp3    ", "Song.mp3"},
                    NameCase{"SpaceBeforeTheExtensionTrimmed", R"(C:\Tunes\My Song .mp3)", "My Song"},
                    NameCase{"ExtendedM3uHeader", "#EXTM3U", "#EX"},
                    NameCase{"ExtendedM3uInfo", "#EXTINF:123,Artist - Title", "#EXTINF:123,Artist - T"},
                    NameCase{"ExactlyFourCharacters", "Song", ""},
                    NameCase{"ExactlyFourAfterTheFolder", R"(C:\Tunes\.mp3)", ""},
                    NameCase{"ShortNameKeptWhole", "abc", "abc"},
                    NameCase{"ShortNameAfterFolderKeptWhole", R"(C:\Tunes\ab)", "ab"},
                    NameCase{"ShortNameLosesTrailingSpaces", "ab ", "ab"},
                    NameCase{"FolderOnly", R"(C:\Tunes\)", ""},
                    NameCase{"BytesOutsideAscii", "C:\\Musik\\Caf\xe9 \xc3\xa9t\xc3\xa9.mp3"_ba,
                             "Caf\xe9 \xc3\xa9t\xc3\xa9"_ba}),
    caseName);

TEST_P(DisplayNameOfTitle, LosesTheLastFourCharactersOnly)
{
    EXPECT_EQ(Playlist::displayNameOfTitle(GetParam().given), GetParam().displayName);
}

INSTANTIATE_TEST_SUITE_P(
    Rule, DisplayNameOfTitle,
    testing::Values(NameCase{"Song", "My Song.mp3", "My Song"},
                    NameCase{"NotTrimmed", "My Song .mp3", "My Song "},
                    NameCase{"BackslashKept", R"(a\b.mp3)", R"(a\b)"},
                    NameCase{"OtherExtension", "Song.flac", "Song."}, NameCase{"ExactlyFour", ".mp3", ""},
                    NameCase{"ShortTitleKeptWhole", "abc", "abc"},
                    NameCase{"ShortTitleWithSpaceKeptWhole", "a ", "a "},
                    NameCase{"BytesOutsideAscii", "\xc3\x9c\x62\x65r.mp3"_ba, "\xc3\x9c\x62\x65r"_ba}),
    caseName);

TEST_P(ReadPlaylist, AddsOneEntryForEverySongLine)
{
    ASSERT_TRUE(succeeded(playlist.readPlaylist(file("list.m3u", GetParam().content))));
    expectEntries(GetParam().names, GetParam().paths);
}

INSTANTIATE_TEST_SUITE_P(
    Files, ReadPlaylist,
    testing::Values(
        ReadCase{"CrLf",
                 "C:\\Tunes\\Song.mp3\r\nSong.mp3\r\nTunes/Other.mp3\r\n",
                 {"Song", "Song", "Tunes/Other"},
                 {R"(C:\Tunes\Song.mp3)", "Song.mp3", "Tunes/Other.mp3"}},
        ReadCase{"LastLineWithoutLineEnd", "a.mp3\r\nb.mp3", {"a", "b"}, {"a.mp3", "b.mp3"}},
        ReadCase{"LfOnly",
                 "/m/a.mp3\n/m/b.mp3\n/m/c.mp3\n",
                 {"/m/a", "/m/b", "/m/c"},
                 {"/m/a.mp3", "/m/b.mp3", "/m/c.mp3"}},
        ReadCase{"CrOnly", "a.mp3\rb.mp3\r", {"a", "b"}, {"a.mp3", "b.mp3"}},
        ReadCase{"MixedLineEnds",
                 "a.mp3\r\nb.mp3\nc.mp3\rd.mp3",
                 {"a", "b", "c", "d"},
                 {"a.mp3", "b.mp3", "c.mp3", "d.mp3"}},
        ReadCase{"EmptyFile", "", {}, {}},
        ReadCase{"BlankAndSpaceOnlyLinesSkipped",
                 "\r\na.mp3\r\n   \r\n\nb.mp3\r\n \r\n",
                 {"a", "b"},
                 {"a.mp3", "b.mp3"}},
        ReadCase{"OnlyBlankLines", "\r\n  \r\n\n", {}, {}},
        ReadCase{"TabIsNoSpace", "\t\r\n", {"\t"}, {"\t"}},
        ReadCase{
            "TrailingSpacesLeaveThePath", "C:\\Tunes\\Song.mp3  \r\n", {"Song.m"}, {R"(C:\Tunes\Song.mp3)"}},
        ReadCase{"LeadingSpacesKept", "  a.mp3\r\n", {"  a"}, {"  a.mp3"}},
        ReadCase{"ExtendedM3uLinesAreEntries",
                 "#EXTM3U\r\n#EXTINF:200,Band - Song\r\nC:\\Tunes\\Song.mp3\r\n",
                 {"#EX", "#EXTINF:200,Band -", "Song"},
                 {"#EXTM3U", "#EXTINF:200,Band - Song", R"(C:\Tunes\Song.mp3)"}},
        ReadCase{"ShortLinesKeptWhole", "ab\r\nabc\r\nabcd\r\n", {"ab", "abc", ""}, {"ab", "abc", "abcd"}},
        ReadCase{"Duplicates", "a.mp3\r\na.mp3\r\n", {"a", "a"}, {"a.mp3", "a.mp3"}},
        ReadCase{"BytesOutsideAscii",
                 "D:\\M\xfcsik\\\xe9t\xe9.mp3\r\n\x01\x7f\x80\xff.mp3\r\n"_ba,
                 {"\xe9t\xe9"_ba, "\x01\x7f\x80\xff"_ba},
                 {"D:\\M\xfcsik\\\xe9t\xe9.mp3"_ba, "\x01\x7f\x80\xff.mp3"_ba}}),
    [](const testing::TestParamInfo<ReadCase> &info) { return std::string(info.param.name); });

TEST_F(PlaylistTest, ReadingTwoFilesListsTheSecondAfterTheFirst)
{
    ASSERT_TRUE(succeeded(playlist.readPlaylist(file("one.m3u", "a.mp3\r\nb.mp3\r\n"))));
    ASSERT_TRUE(succeeded(playlist.readPlaylist(file("two.m3u", "c.mp3\r\n"))));
    ASSERT_TRUE(succeeded(playlist.readPlaylist(path("one.m3u"))));
    expectEntries({"a", "b", "c", "a", "b"}, {"a.mp3", "b.mp3", "c.mp3", "a.mp3", "b.mp3"});
}

TEST_F(PlaylistTest, ReadingKeepsSongsAlreadyListed)
{
    ASSERT_TRUE(succeeded(playlist.appendSong(R"(C:\Tunes\My Song.mp3)", "My Song.mp3")));
    ASSERT_TRUE(succeeded(playlist.readPlaylist(file("list.m3u", "Song.mp3\r\n"))));
    expectEntries({"My Song", "Song"}, {R"(C:\Tunes\My Song.mp3)", "Song.mp3"});
}

TEST_F(PlaylistTest, AppendSongKeepsThePathAndShortensTheTitle)
{
    ASSERT_TRUE(succeeded(playlist.appendSong(R"(C:\Tunes\My Song.mp3)", "My Song.mp3")));
    ASSERT_TRUE(succeeded(playlist.appendSong("/m/ab", "ab")));
    ASSERT_TRUE(succeeded(playlist.appendSong("/m/x .mp3 ", "x .mp3 ")));
    expectEntries({"My Song", "ab", "x ."}, {R"(C:\Tunes\My Song.mp3)", "/m/ab", "/m/x .mp3 "});
}

TEST_F(PlaylistTest, WritePlaylistWritesEveryPathAsACrLfLine)
{
    ASSERT_TRUE(succeeded(playlist.appendSong(R"(C:\Tunes\One.mp3)", "One.mp3")));
    ASSERT_TRUE(succeeded(playlist.appendSong("/m/Two.mp3", "Two.mp3")));
    ASSERT_TRUE(succeeded(playlist.appendSong("#EXTM3U", "#EXTM3U")));
    ASSERT_TRUE(succeeded(playlist.writePlaylist(path("out.m3u"))));
    EXPECT_EQ(readBytes(path("out.m3u")), "C:\\Tunes\\One.mp3\r\n/m/Two.mp3\r\n#EXTM3U\r\n");
    expectEntries({"One", "Two", "#EX"}, {R"(C:\Tunes\One.mp3)", "/m/Two.mp3", "#EXTM3U"});
}

TEST_F(PlaylistTest, WriteTextListingWritesEveryDisplayName)
{
    ASSERT_TRUE(succeeded(playlist.readPlaylist(file("list.m3u", "C:\\a\\One.mp3\nTwo.mp3  \nabc\n"))));
    ASSERT_TRUE(succeeded(playlist.writeTextListing(path("out.txt"))));
    EXPECT_EQ(readBytes(path("out.txt")), "One\r\nTwo.m\r\nabc\r\n");
}

TEST_F(PlaylistTest, WriteThenReadBackGivesTheSamePathsAndTheirNames)
{
    const Lines paths{
        R"(C:\Tunes\Song.mp3)",  "Tunes/Song.mp3", "\xe9t\xe9\x80\xff.mp3"_ba, "#EXTINF:1,x", "ab",
        R"(C:\Tunes\track.flac)"};
    for (const QByteArray &song : paths)
        ASSERT_TRUE(succeeded(playlist.appendSong(song, song)));
    ASSERT_TRUE(succeeded(playlist.writePlaylist(path("out.m3u"))));

    Playlist readBack;
    ASSERT_TRUE(succeeded(readBack.readPlaylist(path("out.m3u"))));
    EXPECT_EQ(readBack.paths(), paths);
    Lines names;
    for (const QByteArray &song : paths)
        names << Playlist::displayNameOfLine(song);
    EXPECT_EQ(readBack.displayNames(), names);
}

TEST_F(PlaylistTest, APlaylistReadIsWrittenBackByteForByte)
{
    const QByteArray content = "#EXTM3U\r\nD:\\M\xfcsik\\\xe9t\xe9.mp3\r\n\x01\x7f\x80\xff\r\nab\r\n"_ba;
    ASSERT_TRUE(succeeded(playlist.readPlaylist(file("in.m3u", content))));
    ASSERT_TRUE(succeeded(playlist.writePlaylist(path("out.m3u"))));
    EXPECT_EQ(readBytes(path("out.m3u")), content);
}

TEST_F(PlaylistTest, WritingReplacesAnExistingFileWhole)
{
    file("out.m3u", "a much longer old playlist line\r\nanother\r\n");
    ASSERT_TRUE(succeeded(playlist.appendSong("x.mp3", "x.mp3")));
    ASSERT_TRUE(succeeded(playlist.writePlaylist(path("out.m3u"))));
    EXPECT_EQ(readBytes(path("out.m3u")), "x.mp3\r\n");
    EXPECT_EQ(entriesOf(dir.path()), QStringList{"out.m3u"});
}

TEST_F(PlaylistTest, RemoveEntryRemovesThePositionFromBothLists)
{
    ASSERT_TRUE(succeeded(playlist.readPlaylist(file("list.m3u", "a.mp3\nb.mp3\nc.mp3\nd.mp3\ne.mp3\n"))));
    playlist.removeEntry(2);
    expectEntries({"a", "b", "d", "e"}, {"a.mp3", "b.mp3", "d.mp3", "e.mp3"});
    playlist.removeEntry(-1);
    playlist.removeEntry(4);
    expectEntries({"a", "b", "d", "e"}, {"a.mp3", "b.mp3", "d.mp3", "e.mp3"});
    playlist.clear();
    expectEntries({}, {});
}

TEST_F(PlaylistTest, AFileThatCannotBeReadChangesNothing)
{
    ASSERT_TRUE(succeeded(playlist.appendSong("a.mp3", "a.mp3")));
    expectFileErrorNaming(playlist.readPlaylist(path("missing.m3u")), path("missing.m3u"),
                          reasonOpening(path("missing.m3u")));
    expectEntries({"a"}, {"a.mp3"});
}

TEST_F(PlaylistTest, AFolderCannotBeRead)
{
    ASSERT_TRUE(QDir(dir.path()).mkdir("folder.m3u"));
    expectFileErrorNaming(playlist.readPlaylist(path("folder.m3u")), path("folder.m3u"),
                          reasonOpening(path("folder.m3u")));
    expectEntries({}, {});
}

TEST_F(PlaylistTest, ASaveIntoAMissingFolderFailsWithAMessage)
{
    ASSERT_TRUE(succeeded(playlist.appendSong("a.mp3", "a.mp3")));
    expectFileErrorNaming(playlist.writeTextListing(path("no such folder/list.txt")),
                          path("no such folder/list.txt"), reasonOpening(path("no such folder/list.txt")));
    EXPECT_TRUE(entriesOf(dir.path()).isEmpty());
}

TEST_F(PlaylistTest, HoldsAtMost32767Entries)
{
    QByteArray content;
    for (int i = 0; i < Playlist::maxEntries - 1; ++i)
        content += "C:\\Tunes\\Song " + QByteArray::number(i) + ".mp3\r\n";
    ASSERT_TRUE(succeeded(playlist.readPlaylist(file("big.m3u", content))));
    ASSERT_TRUE(succeeded(playlist.appendSong("last.mp3", "last.mp3")));
    EXPECT_EQ(playlist.count(), Playlist::maxEntries);
    EXPECT_EQ(playlist.paths().size(), Playlist::maxEntries);
    EXPECT_EQ(playlist.displayNames()[32765], "Song 32765");

    const PlaylistResult refused = playlist.appendSong("one more.mp3", "one more.mp3");
    EXPECT_FALSE(refused.failure);
    EXPECT_EQ(refused.refusal,
              "Adding \"one more.mp3\" would give the playlist 32,768 songs, but it can "
              "hold at most 32,767.\r\nNothing was added.");
    EXPECT_EQ(playlist.count(), Playlist::maxEntries);
    EXPECT_EQ(playlist.paths().last(), "last.mp3");
}

TEST_F(PlaylistTest, AnOpenThatWouldPassTheLimitAddsNothing)
{
    QByteArray content;
    for (int i = 0; i < Playlist::maxEntries - 1; ++i)
        content += "s.mp3\n";
    ASSERT_TRUE(succeeded(playlist.readPlaylist(file("big.m3u", content))));
    const PlaylistResult refused = playlist.readPlaylist(file("two.m3u", "a.mp3\r\nb.mp3\r\n"));
    EXPECT_FALSE(refused.failure);
    EXPECT_TRUE(refused.refusal.contains("two.m3u")) << refused.refusal.toStdString();
    EXPECT_TRUE(refused.refusal.contains("32,768")) << refused.refusal.toStdString();
    EXPECT_EQ(playlist.count(), Playlist::maxEntries - 1);
    EXPECT_EQ(playlist.paths().size(), Playlist::maxEntries - 1);

    // Blank lines take no room: one song more still fits.
    ASSERT_TRUE(succeeded(playlist.readPlaylist(file("one.m3u", "\r\n  \r\nlast.mp3\r\n\r\n"))));
    EXPECT_EQ(playlist.count(), Playlist::maxEntries);
}
