#include "files/FileOperations.h"
#include "files/FileNames.h"

#include "Files.h"
#include "TemporaryCurrentFolder.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

TEST(FileExists, CountsOnlyNormalVisibleFilesUnderTheirName)
{
    QTemporaryDir dir;
    writeBytes(dir.filePath("help.htm"), "<p>");
    writeBytes(dir.filePath(".hidden.htm"), "<p>");
    QDir(dir.path()).mkdir("folder.htm");

    EXPECT_TRUE(fileExists(dir.filePath("help.htm")));
    // In another case only where the file system itself ignores case (Windows).
    EXPECT_EQ(fileExists(dir.filePath("HELP.HTM")), QFileInfo::exists(dir.filePath("HELP.HTM")));
    EXPECT_FALSE(fileExists(dir.filePath(".hidden.htm")));
    EXPECT_FALSE(fileExists(dir.filePath("folder.htm")));
    EXPECT_FALSE(fileExists(dir.filePath("missing.htm")));
}

TEST(FileExists, TakesARelativePathAgainstTheCurrentDirectory)
{
    {
        TemporaryCurrentFolder dir;
        writeBytes(dir.filePath("help.htm"), "<p>");
        EXPECT_TRUE(fileExists("help.htm"));
    }
    EXPECT_FALSE(fileExists("help.htm"));
}

TEST(ExistingCaseOf, PrefersTheExactNameThenAnyCaseThenTheNameAsked)
{
    QTemporaryDir dir;
    writeBytes(dir.filePath("Aircraft.cfg"), "");
    EXPECT_EQ(existingCaseOf(dir.filePath("aircraft.cfg")), dir.filePath("Aircraft.cfg"));
    EXPECT_EQ(existingCaseOf(dir.filePath("Aircraft.cfg")), dir.filePath("Aircraft.cfg"));
    EXPECT_EQ(existingCaseOf(dir.filePath("aircraft.bak")), dir.filePath("aircraft.bak"));
    EXPECT_EQ(existingCaseOf(dir.filePath("no-folder/aircraft.cfg")), dir.filePath("no-folder/aircraft.cfg"));

    writeBytes(dir.filePath("aircraft.cfg"), "");
    if (entriesOf(dir.path()).size() == 1)
        GTEST_SKIP() << "This file system ignores case: one file has both names.";
    EXPECT_EQ(existingCaseOf(dir.filePath("aircraft.cfg")), dir.filePath("aircraft.cfg"));
}

TEST(WholeFile, ReadsAndReplacesEveryByteUnderTheNameOnDisk)
{
    QTemporaryDir dir;
    const QByteArray content("[fltsim.0]\r\n\x00\xff\n", 15);
    writeBytes(dir.filePath("aircraft.cfg"), content);
    writeBytes(dir.filePath("AIRCRAFT.BAK"), "older backup");
    QByteArray read;
    FileError error;
    ASSERT_TRUE(readWholeFile(dir.filePath("aircraft.cfg"), &read, &error));
    ASSERT_TRUE(writeWholeFile(dir.filePath("aircraft.bak"), read, &error));
    EXPECT_EQ(readBytes(dir.filePath("AIRCRAFT.BAK")), content);
    EXPECT_EQ(read, content);
    EXPECT_EQ(entriesOf(dir.path()), (QStringList{"AIRCRAFT.BAK", "aircraft.cfg"}));
}

TEST(WholeFile, AMissingFileIsNotRead)
{
    QTemporaryDir dir;
    QByteArray read;
    FileError error;
    EXPECT_FALSE(readWholeFile(dir.filePath("aircraft.cfg"), &read, &error));
    EXPECT_EQ(error.action, "read");
    EXPECT_EQ(error.path, dir.filePath("aircraft.cfg"));
}

TEST(WholeFile, AFolderIsNotReplaced)
{
    QTemporaryDir dir;
    QDir(dir.path()).mkdir("aircraft.bak");
    FileError error;
    EXPECT_FALSE(writeWholeFile(dir.filePath("aircraft.bak"), "cfg", &error));
    EXPECT_EQ(error.action, "write");
    EXPECT_EQ(error.path, dir.filePath("aircraft.bak"));
    EXPECT_EQ(entriesOf(dir.path()), QStringList{"aircraft.bak"});
}

TEST(FileError, MessageNamesTheFileAndTheReason)
{
    const FileError error{"read", "/sim/Cessna/aircraft.cfg", "No such file or directory"};
    EXPECT_EQ(error.message(),
              "Could not read \"" + QDir::toNativeSeparators("/sim/Cessna/aircraft.cfg")
                  + "\":\r\nNo such file or directory");
}
