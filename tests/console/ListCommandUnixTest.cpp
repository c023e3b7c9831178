// What list says of names that only Unix makes: bytes that are not UTF-8 in
// a folder's name, and an entry in the code page of a Wine prefix.

#include "console/CommandLineRequest.h"
#include "console/ListCommand.h"
#include "kneeboard/PlayerPage.h"

#include "Files.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTextStream>

#include <gtest/gtest.h>

#include <sys/stat.h>

namespace {

// What list prints of `folder`, and its exit code.
std::pair<QString, int> listed(const QString &folder)
{
    CommandLineRequest request;
    request.paths = {folder};
    QString output;
    QString errors;
    QTextStream out(&output);
    QTextStream err(&errors);
    const int exitCode = runList(request, out, err);
    return {output + errors, exitCode};
}

} // namespace

TEST(ListNames, AFolderWhoseNameIsNotUtf8IsNamedWithTheReason)
{
    QTemporaryDir dir;
    ASSERT_EQ(mkdir((QFile::encodeName(dir.path()) + "/P\xe9trel").constData(), 0755), 0);
    const auto [output, exitCode] = listed(dir.path());
    EXPECT_TRUE(output.contains("trel: unreadable: its name is not in the encoding of file names"))
        << output.toStdString();
    EXPECT_TRUE(output.endsWith("1 aircraft, 0 with the player.\n")) << output.toStdString();
    EXPECT_EQ(exitCode, 1);
}

TEST(ListNames, AnEntryIsReadInTheCodePageOfItsWinePrefix)
{
    QTemporaryDir dir;
    const QString prefix = dir.filePath("prefix");
    const QString folder = prefix + "/drive_c/FS9/Aircraft/Petrel";
    ASSERT_TRUE(QDir().mkpath(folder));
    writeBytes(prefix + "/system.reg",
               "WINE REGISTRY Version 2\n\n"
               "[System\\\\CurrentControlSet\\\\Control\\\\Nls\\\\Codepage] 1\n"
               "\"ACP\"=\"1252\"\n");
    writeBytes(folder + QString::fromUtf8("/P\u00e9trel.air"), "flight model");
    writeBytes(folder + "/aircraft.cfg", "[fltsim.0]\r\nkb_checklists=p\xe9trel_check\r\n");
    writeBytes(folder + QString::fromUtf8("/p\u00e9trel_check.htm"), buildPlayerPage() + "\r\n");
    const auto [output, exitCode] = listed(dir.filePath("prefix/drive_c/FS9/Aircraft"));
    EXPECT_TRUE(output.contains(QString::fromUtf8("checklist p\u00e9trel_check (player)")))
        << output.toStdString();
    EXPECT_TRUE(output.endsWith("1 aircraft, 1 with the player.\n")) << output.toStdString();
    EXPECT_EQ(exitCode, 0);
}
