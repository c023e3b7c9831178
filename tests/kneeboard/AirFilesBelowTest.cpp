#include "kneeboard/AircraftListing.h"

#include "Files.h"

#include <QDir>
#include <QTemporaryDir>

#include <gtest/gtest.h>

TEST(AirFilesBelow, AsksBeforeEachFolderWhetherToStop)
{
    QTemporaryDir dir;
    QStringList airFiles;
    for (const QString name : {"a", "b", "c"}) {
        ASSERT_TRUE(QDir().mkpath(dir.filePath(name)));
        airFiles.append(dir.filePath(name + '/' + name + ".AIR"));
        writeBytes(airFiles.last(), "flight model");
    }
    QList<ListedAircraft> unreadable;
    int asked = 0;
    EXPECT_EQ(AircraftListing::airFilesBelow(dir.path(), &unreadable, [&asked] { return ++asked == 2; }),
              QStringList());
    EXPECT_EQ(asked, 2);

    asked = 0;
    EXPECT_EQ(AircraftListing::airFilesBelow(dir.path(), &unreadable, [&asked] { return ++asked > 4; }),
              airFiles);
    EXPECT_EQ(asked, 4); // the folder and the three below it
    EXPECT_TRUE(unreadable.isEmpty());
}
