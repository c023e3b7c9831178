#include "kneeboard/PlayerPage.h"

#include <QList>

#include <gtest/gtest.h>

TEST(PlayerPage, IsFiveLinesOfTheExpectedLengths)
{
    const QByteArray page = buildPlayerPage();
    EXPECT_EQ(page.size(), 671);
    const QList<QByteArray> lines = page.split('\n');
    ASSERT_EQ(lines.size(), 5);
    const QList<int> lengths{28, 90, 190, 93, 262};
    for (int i = 0; i < 5; ++i) {
        const QByteArray line = i < 4 ? lines[i].chopped(1) : lines[i];
        EXPECT_EQ(line.size(), lengths[i]) << "line " << i + 1;
        if (i < 4) {
            EXPECT_TRUE(lines[i].endsWith('\r'));
        }
    }
}

TEST(PlayerPage, HoldsTheScriptAndTheFormExactly)
{
    const QByteArray page = buildPlayerPage();
    EXPECT_TRUE(
        page.startsWith("<script language=JavaScript>\r\nfunction playSong(s){"
                        "if(mp3play.song.value.length<7){alert(\"No audio selected.\"); return;}\r\n"));
    EXPECT_TRUE(page.contains("<br><embed src=\\\"\"+s+\"\\\" autostart=true loop=0></embed></font>\"\r\n"));
    EXPECT_TRUE(page.contains("\r\nvar backit=\"<font face=Verdana size=-1><br>"
                              "<A HREF=javascript:history.go(-1)>Back</a></font>\"\r\n"));
    EXPECT_TRUE(page.contains("document.write(temp+backit)}</script><form name=mp3play>"));
    EXPECT_TRUE(page.endsWith("onClick=\"playSong(mp3play.song.value)\"></form>"));
    EXPECT_FALSE(page.contains("<html"));
    EXPECT_EQ(page.count("<body"), 1);
}
