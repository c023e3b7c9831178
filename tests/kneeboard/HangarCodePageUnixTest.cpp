// The hangar reads the titles of an aircraft inside a Wine prefix in the
// prefix's code page, as FS2004 there does.

#include "kneeboard/HangarAircraft.h"

#include "Files.h"

#include <QDir>
#include <QTemporaryDir>

#include <gtest/gtest.h>

TEST(HangarCodePage, ReadsTitlesInTheCodePageOfTheAircraftsPrefix)
{
    QTemporaryDir dir;
    const QString folder = dir.filePath("prefix/drive_c/FS9/Aircraft/Tu154");
    ASSERT_TRUE(QDir().mkpath(folder));
    writeBytes(
        dir.filePath("prefix/system.reg"),
        "WINE REGISTRY Version 2\n\n[System\\\\CurrentControlSet\\\\Control\\\\Nls\\\\Codepage] 1700000000\n"
        "\"ACP\"=\"1251\"\n");
    writeBytes(folder + "/Tu154.air", "flight model");
    // Windows-1251: "Ту-154 Аэрофлот" by "Туполев".
    writeBytes(folder + "/aircraft.cfg",
               "[fltsim.0]\r\ntitle=\xd2\xf3-154 \xc0\xfd\xf0\xee\xf4\xeb\xee\xf2\r\n"
               "ui_manufacturer=\xd2\xf3\xef\xee\xeb\xe5\xe2\r\ntexture=\xc0\r\n");

    const HangarAircraft aircraft = HangarListing().describe(folder + "/Tu154.air");
    EXPECT_EQ(aircraft.title, QString::fromUtf8("Ту-154 Аэрофлот"));
    EXPECT_EQ(aircraft.manufacturer, QString::fromUtf8("Туполев"));
    EXPECT_EQ(aircraft.texture, QString::fromUtf8("А"));
}
