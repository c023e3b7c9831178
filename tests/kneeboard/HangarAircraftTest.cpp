#include "kneeboard/HangarAircraft.h"

#include "Files.h"

#include <QDir>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <map>

namespace {

struct HangarCase
{
    const char *name;
    std::map<QString, QByteArray> files; // of the folder "Plane", beside Plane.air
    QString title;
    QStringList variations;
    QString thumbnail; // below "Plane"; empty: none
};

void PrintTo(const HangarCase &row, std::ostream *out)
{
    *out << row.name;
}

std::string caseName(const testing::TestParamInfo<HangarCase> &info)
{
    return info.param.name;
}

class Hangar : public testing::TestWithParam<HangarCase>
{
};

const QByteArray twoVariations = "[fltsim.0]\r\ntitle=Red\r\nui_manufacturer=Acme\r\ntexture=Red\r\n"
                                 "[fltsim.1]\r\ntitle=Blue\r\ntexture=blue\r\n";

} // namespace

TEST_P(Hangar, NamesTheAircraftAndFindsItsThumbnail)
{
    const HangarCase &row = GetParam();
    QTemporaryDir dir;
    const QString folder = dir.filePath("Plane");
    QDir().mkpath(folder);
    writeBytes(folder + "/Plane.air", "flight model");
    for (const auto &[name, bytes] : row.files) {
        QDir().mkpath(QFileInfo(folder + '/' + name).path());
        writeBytes(folder + '/' + name, bytes);
    }

    const HangarAircraft aircraft = HangarListing().describe(folder + "/Plane.air");
    EXPECT_EQ(aircraft.airPath, folder + "/Plane.air");
    EXPECT_EQ(aircraft.title, row.title);
    EXPECT_EQ(aircraft.variations, row.variations);
    EXPECT_EQ(aircraft.manufacturer, row.variations.isEmpty() ? "" : "Acme");
    EXPECT_EQ(thumbnailOf(aircraft), row.thumbnail.isEmpty() ? "" : folder + '/' + row.thumbnail);
    EXPECT_EQ(aircraft.listing.problem.isEmpty(), row.files.contains("aircraft.cfg"));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, Hangar,
    testing::Values(
        HangarCase{"FirstVariationsTextureInAnyCase",
                   {{"aircraft.cfg", twoVariations},
                    {"TEXTURE.red/Thumbnail.JPG", "jpeg"},
                    {"texture.blue/thumbnail.jpg", "jpeg"}},
                   "Red",
                   {"Red", "Blue"},
                   "TEXTURE.red/Thumbnail.JPG"},
        HangarCase{"PlainTextureFolderForAnEmptyTexture",
                   {{"aircraft.cfg", "[fltsim.0]\r\ntitle=Red\r\nui_manufacturer=Acme\r\ntexture=\r\n"},
                    {"texture/thumbnail.jpg", "jpeg"}},
                   "Red",
                   {"Red"},
                   "texture/thumbnail.jpg"},
        HangarCase{"NoThumbnail", {{"aircraft.cfg", twoVariations}}, "Red", {"Red", "Blue"}, {}},
        HangarCase{"AirFileTitleWithoutVariations", {{"aircraft.cfg", "[general]\r\n"}}, "Plane", {}, {}},
        HangarCase{"AirFileTitleWithoutAircraftCfg", {}, "Plane", {}, {}}),
    caseName);
