#include "hangar/HangarModel.h"

#include "Files.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

// A Wine prefix reaches its drive C both through drive_c and through the
// link of its letter, dosdevices/c:.
TEST(HangarModelLinks, AnAircraftReachedThroughALinkIsListedOnce)
{
    QTemporaryDir dir;
    const QString folder = dir.filePath("drive_c/FS9/Aircraft/Cub");
    ASSERT_TRUE(QDir().mkpath(folder));
    ASSERT_TRUE(QDir().mkpath(dir.filePath("dosdevices")));
    ASSERT_TRUE(QFile::link(dir.filePath("drive_c"), dir.filePath("dosdevices/c:")));
    writeBytes(folder + "/Cub.air", "flight model");
    writeBytes(folder + "/aircraft.cfg", "[fltsim.0]\r\ntitle=Cub\r\nui_manufacturer=Piper\r\n");

    HangarListing listing;
    HangarModel model;
    model.add({listing.describe(folder + "/Cub.air", dir.filePath("drive_c/FS9/Aircraft"))});
    model.add({listing.describe(dir.filePath("dosdevices/c:/FS9/Aircraft/Cub/Cub.air"),
                                dir.filePath("dosdevices/c:/FS9/Aircraft"))});

    EXPECT_EQ(model.aircraftCount(), 1);
    ASSERT_EQ(model.rowCount(model.index(0, 0)), 1);
}
