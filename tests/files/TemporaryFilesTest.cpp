#include "files/TemporaryFiles.h"

#include "Files.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

// Left by a run that was killed, the program's temporary files go at the next
// run; a file of the user's whose name only looks alike stays.
TEST(TemporaryFiles, TheNextRunDeletesOnlyThoseTheProgramLeft)
{
    QTemporaryDir dir;
    const QStringList users = {"aircraft.cfg",
                               "notes.tmp",
                               "aircraft.cfg.skylyre-.tmp",
                               "aircraft.cfg.skylyre-abc.tmp",
                               "aircraft.cfg.skylyre-a-b_c!.tmp",
                               "aircraft.cfg.Ab12Cd", // another program's
                               ".skylyre-Ab12Cd.tmp",
                               "page.skylyre-Ab12Cd.tmp.htm"};
    for (const QString &name : users)
        writeBytes(dir.filePath(name), "kept");
    const QString left = TemporaryFiles::nameBeside(dir.filePath("aircraft.cfg"));
    writeBytes(left, "half of a file");
    writeBytes(dir.filePath("cessna172_check.htm.skylyre-x7Qp2a.tmp"), "half of a page");

    EXPECT_EQ(TemporaryFiles::removeLeftovers(dir.path()), QStringList{});
    QStringList expected = users;
    expected.sort();
    EXPECT_EQ(entriesOf(dir.path()), expected);
}
