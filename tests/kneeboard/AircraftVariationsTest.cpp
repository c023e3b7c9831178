#include "kneeboard/AircraftVariations.h"

#include <gtest/gtest.h>

namespace {

struct VariationsCase
{
    const char *name;
    QByteArray cfg;
    QList<AircraftVariation> variations;
};

void PrintTo(const VariationsCase &row, std::ostream *out)
{
    *out << row.name;
}

std::string caseName(const testing::TestParamInfo<VariationsCase> &info)
{
    return info.param.name;
}

class Variations : public testing::TestWithParam<VariationsCase>
{
};

} // namespace

TEST_P(Variations, AreTheFltsimSectionsFs2004Reads)
{
    EXPECT_EQ(variationsOf(GetParam().cfg), GetParam().variations);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, Variations,
    testing::Values(
        VariationsCase{"InOrderOfTheirNumbers",
                       "[fltsim.1]\r\ntitle=Blue\r\n[fltsim.0]\r\ntitle=Red\r\nui_manufacturer=Cessna\r\n"
                       "texture=red\r\n",
                       {{"Red", "Cessna", "red"}, {"Blue", {}, {}}}},
        VariationsCase{"SectionsAndKeysInAnyCase",
                       "[FLTSIM.0]\r\nTITLE=Red\r\nUi_Manufacturer=Cessna\r\nTexture=red\r\n",
                       {{"Red", "Cessna", "red"}}},
        VariationsCase{"LinesEndingInLfOrCr",
                       "[fltsim.0]\ntitle=Red\nui_manufacturer=Cessna\r[fltsim.1]\rtitle=Blue\r\n",
                       {{"Red", "Cessna", {}}, {"Blue", {}, {}}}},
        VariationsCase{"NamesAndValuesTrimmed",
                       "  [ fltsim.0 ]  \r\n\t title \t= Red Bird \r\n",
                       {{"Red Bird", {}, {}}}},
        VariationsCase{"UpToTheFirstNumberMissing",
                       "[fltsim.0]\r\ntitle=A\r\n[fltsim.2]\r\ntitle=C\r\n",
                       {{"A", {}, {}}}},
        VariationsCase{"NoneWithoutTheFirst", "[fltsim.1]\r\ntitle=B\r\n", {}},
        VariationsCase{"OtherSectionsPassedOver",
                       "title=Loose\r\n[general]\r\ntitle=General\r\n[fltsim.0]\r\ntitle=A\r\n[fltsim.x]\r\n"
                       "title=X\r\n[fltsim.+1]\r\ntitle=Plus\r\n[fltsim.]\r\ntitle=Empty\r\n[fltsim.1]\r\n"
                       "title=B\r\n[flight_tuning]\r\ntitle=Tuning\r\n",
                       {{"A", {}, {}}, {"B", {}, {}}}},
        VariationsCase{"FirstOfASectionOrKeyWrittenTwice",
                       "[fltsim.0]\r\ntitle=A\r\ntitle=Again\r\n[fltsim.0]\r\ntitle=Second\r\n"
                       "ui_manufacturer=Second\r\n",
                       {{"A", {}, {}}}},
        VariationsCase{"ValuesKeptAsBytes",
                       "[fltsim.0]\r\ntitle=\xc4\xe4 = \"x\"\r\ntexture=\r\n",
                       {{"\xc4\xe4 = \"x\"", {}, {}}}},
        VariationsCase{"TitleAndManufacturerWithoutTheirQuotes",
                       "[fltsim.0]\r\ntitle=\"Boeing 737-800\"\r\nui_manufacturer = \"Boeing\" \t\r\n",
                       {{"Boeing 737-800", "Boeing", {}}}},
        VariationsCase{"OnePairOfQuotesTakenOff",
                       "[fltsim.0]\r\ntitle=\"\"Red\"\"\r\nui_manufacturer=\"\"\r\n[fltsim.1]\r\n"
                       "title=\"Blue\" \"Bird\"\r\n",
                       {{"\"Red\"", {}, {}}, {"Blue\" \"Bird", {}, {}}}},
        VariationsCase{"QuotesThatDoNotSurroundKept",
                       "[fltsim.0]\r\ntitle=\"Red\r\nui_manufacturer=Acme\"\r\n[fltsim.1]\r\ntitle=\"\r\n"
                       "ui_manufacturer=\"Acme\" Aircraft\r\n",
                       {{"\"Red", "Acme\"", {}}, {"\"", "\"Acme\" Aircraft", {}}}},
        VariationsCase{
            "LinesWithoutEqualsPassedOver", "[fltsim.0]\r\ntitle\r\nui_manufacturer=M\r\n", {{{}, "M", {}}}},
        VariationsCase{"NoSections", "", {}}),
    caseName);
