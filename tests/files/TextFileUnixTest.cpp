// Failures of the text-file channel that only Unix can make on purpose: a
// full disk (a file size limit) and symbolic links.

#include "files/TextFile.h"

#include "FileSizeLimit.h"
#include "Files.h"

#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

TEST(TextFile, AFailedOutputLeavesTheOldFileAndNoTemporaryFile)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("aircraft.cfg");
    const QByteArray old(3000, 'o');
    writeBytes(path, old);
    TextFile file;
    {
        FileSizeLimit fullDisk(1000);
        ASSERT_TRUE(file.openTextFile(path, TextFile::Mode::Output));
        const bool written = file.writeLine(QByteArray(2000, 'n')) && file.closeFile();
        EXPECT_FALSE(written);
    }
    EXPECT_EQ(file.error().action, "write");
    EXPECT_EQ(file.error().reason, "File too large");
    EXPECT_EQ(readBytes(path), old);
    EXPECT_EQ(entriesOf(dir.path()), QStringList{"aircraft.cfg"});
}

TEST(TextFile, OutputKeepsPermissionsAndLinks)
{
    QTemporaryDir dir;
    const QString target = dir.filePath("real.cfg");
    const QString link = dir.filePath("aircraft.cfg");
    writeBytes(target, "old\r\n");
    ASSERT_TRUE(QFile::setPermissions(target, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup));
    ASSERT_TRUE(QFile::link(target, link));

    TextFile file;
    ASSERT_TRUE(file.openTextFile(link, TextFile::Mode::Output));
    file.writeLine("new");
    ASSERT_TRUE(file.closeFile());

    EXPECT_TRUE(QFileInfo(link).isSymLink());
    EXPECT_EQ(readBytes(target), "new\r\n");
    EXPECT_EQ(QFile::permissions(target),
              QFile::ReadOwner | QFile::WriteOwner | QFile::ReadUser | QFile::WriteUser | QFile::ReadGroup);
}
