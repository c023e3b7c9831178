#include "files/TextFile.h"

#include "Files.h"

#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

struct ReadCase
{
    const char *name;
    QByteArray content;
    QList<QByteArray> lines;
};

class TextFileRead : public testing::TestWithParam<ReadCase>
{
};

QList<QByteArray> readAllLines(const QString &path)
{
    TextFile file;
    EXPECT_TRUE(file.openTextFile(path, TextFile::Mode::Input));
    QList<QByteArray> lines;
    while (!file.endOfFile())
        lines << file.readLine();
    EXPECT_TRUE(file.closeFile());
    return lines;
}

} // namespace

TEST_P(TextFileRead, SplitsLinesAtEveryTerminator)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("lines.txt");
    writeBytes(path, GetParam().content);
    EXPECT_EQ(readAllLines(path), GetParam().lines);
}

INSTANTIATE_TEST_SUITE_P(
    Lines, TextFileRead,
    testing::Values(
        ReadCase{"Empty", "", {}}, ReadCase{"CrLf", "a\r\nb\r\n", {"a", "b"}},
        ReadCase{"LastLineWithoutTerminator", "a\r\nb", {"a", "b"}}, ReadCase{"LoneCr", "a\rb\r", {"a", "b"}},
        ReadCase{"LoneLf", "a\nb\n", {"a", "b"}}, ReadCase{"Mixed", "a\r\nb\nc\rd", {"a", "b", "c", "d"}},
        ReadCase{"LfThenCrIsTwoEnds", "a\n\rb", {"a", "", "b"}},
        ReadCase{"EmptyLines", "\r\n\r\nx\r\n", {"", "", "x"}}, ReadCase{"OnlyCrLf", "\r\n", {""}},
        ReadCase{"CrAtEndOfFile", "a\r", {"a"}},
        ReadCase{"BytesKept", "\x00\xff\xe9=\x80\r\n\t \x01"_ba, {"\x00\xff\xe9=\x80"_ba, "\t \x01"_ba}}),
    [](const testing::TestParamInfo<ReadCase> &info) { return std::string(info.param.name); });

TEST(TextFile, WriteLineEndsEachTextWithCrLfAndKeepsInnerOnes)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("out.txt");
    TextFile file;
    ASSERT_TRUE(file.openTextFile(path, TextFile::Mode::Output));
    EXPECT_TRUE(file.writeLine(""));
    EXPECT_TRUE(file.writeLine("one\r\ntwo\r\n"));
    EXPECT_TRUE(file.writeLine("\x00\xfe"_ba));
    ASSERT_TRUE(file.closeFile());
    EXPECT_EQ(readBytes(path), "\r\none\r\ntwo\r\n\r\n\x00\xfe\r\n"_ba);
}

TEST(TextFile, OutputReplacesAnExistingFileOnlyWhenClosed)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("out.txt");
    writeBytes(path, "old content that is longer\r\n");
    TextFile file;
    ASSERT_TRUE(file.openTextFile(path, TextFile::Mode::Output));
    EXPECT_TRUE(file.writeLine("new"));
    EXPECT_EQ(readBytes(path), "old content that is longer\r\n");
    ASSERT_TRUE(file.closeFile());
    EXPECT_EQ(readBytes(path), "new\r\n");
    EXPECT_EQ(entriesOf(dir.path()), QStringList{"out.txt"});
}

TEST(TextFile, InputOfAMissingFileFailsNamingTheFileAndReason)
{
    QTemporaryDir dir;
    TextFile file;
    EXPECT_FALSE(file.openTextFile(dir.filePath("aircraft.cfg"), TextFile::Mode::Input));
    EXPECT_EQ(file.error().action, "read");
    EXPECT_EQ(file.error().path, dir.filePath("aircraft.cfg"));
    EXPECT_EQ(file.error().reason, reasonOpening(dir.filePath("aircraft.cfg")));
    EXPECT_TRUE(file.endOfFile());
}

TEST(TextFile, InputOfAFolderFails)
{
    QTemporaryDir dir;
    ASSERT_TRUE(QDir(dir.path()).mkdir("aircraft.cfg"));
    TextFile file;
    EXPECT_FALSE(file.openTextFile(dir.filePath("aircraft.cfg"), TextFile::Mode::Input));
    EXPECT_FALSE(file.error().reason.isEmpty());
}

TEST(TextFile, UsesAFileThatExistsUnderAnotherCase)
{
    QTemporaryDir dir;
    writeBytes(dir.filePath("AIRCRAFT.CFG"), "[fltsim.0]\r\n");
    TextFile file;
    ASSERT_TRUE(file.openTextFile(dir.filePath("aircraft.cfg"), TextFile::Mode::Input));
    EXPECT_EQ(file.readLine(), "[fltsim.0]");
    file.closeFile();

    ASSERT_TRUE(file.openTextFile(dir.filePath("aircraft.cfg"), TextFile::Mode::Output));
    file.writeLine("new");
    ASSERT_TRUE(file.closeFile());
    EXPECT_EQ(entriesOf(dir.path()), QStringList{"AIRCRAFT.CFG"});
    EXPECT_EQ(readBytes(dir.filePath("AIRCRAFT.CFG")), "new\r\n");
}

TEST(TextFile, CreatesAMissingFileUnderTheExactName)
{
    QTemporaryDir dir;
    writeBytes(dir.filePath("Other.htm"), "x");
    TextFile file;
    ASSERT_TRUE(file.openTextFile(dir.filePath("cessna_check.htm"), TextFile::Mode::Output));
    file.writeLine("page");
    ASSERT_TRUE(file.closeFile());
    EXPECT_EQ(entriesOf(dir.path()), (QStringList{"Other.htm", "cessna_check.htm"}));
}

TEST(TextFile, ASmallFileReadAfterALargeOneGivesOnlyItsOwnLines)
{
    QTemporaryDir dir;
    writeBytes(dir.filePath("large.cfg"), QByteArray(100000, 'x') + "\r\nlast\r\n");
    writeBytes(dir.filePath("small.cfg"), "one\ntwo");
    EXPECT_EQ(readAllLines(dir.filePath("large.cfg")), (QList<QByteArray>{QByteArray(100000, 'x'), "last"}));
    EXPECT_EQ(readAllLines(dir.filePath("small.cfg")), (QList<QByteArray>{"one", "two"}));
    writeBytes(dir.filePath("empty.cfg"), "");
    EXPECT_EQ(readAllLines(dir.filePath("empty.cfg")), QList<QByteArray>{});
}
