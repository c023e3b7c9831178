#include "platform/WineRegistryFile.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

struct RegistryCase
{
    const char *name;
    QByteArray file; // after the header of FS2004's key
    QStringList exePaths;
};

class WineRegistryFile : public testing::TestWithParam<RegistryCase>
{
};

} // namespace

TEST_P(WineRegistryFile, GivesTheStringValuesOfTheKeys)
{
    const QByteArray file = "WINE REGISTRY Version 2\n#arch=win64\n\n"
                            R"([Software\\Microsoft\\Microsoft Games\\Flight Simulator\\9.0] 1700000000)"
                            "\n#time=1d9\n"
        + GetParam().file;
    const QStringList keys{R"(Software\Wow6432Node\Microsoft\Microsoft Games\Flight Simulator\9.0)",
                           R"(Software\Microsoft\Microsoft Games\Flight Simulator\9.0)"};
    EXPECT_EQ(wineRegistryStrings(file, keys, "EXE Path"), GetParam().exePaths);
}

INSTANTIATE_TEST_SUITE_P(
    Files, WineRegistryFile,
    testing::Values(
        RegistryCase{"BothViewsInFileOrder", R"("EXE Path"="C:\\FS9"

[Software\\Wow6432Node\\Microsoft\\Microsoft Games\\Flight Simulator\\9.0] 1
"EXE Path"="D:\\Games\\FS9\\"
)",
                     {R"(C:\FS9)", R"(D:\Games\FS9\)"}},
        RegistryCase{"NamesInAnyCaseAndCrLf",
                     "[software\\\\MICROSOFT\\\\microsoft games\\\\flight simulator\\\\9.0]\r\n"
                     "\"exe path\"=\"C:\\\\FS9\"\r\n",
                     {R"(C:\FS9)"}},
        RegistryCase{"OtherKeysAndValuesPassedOver", R"("EXE Path Old"="C:\\Old"
"Version"="9.1"
[Software\\Other]
"EXE Path"="C:\\Other"
[Software\\Microsoft\\Microsoft Games\\Flight Simulator\\9.0\\Sub]
"EXE Path"="C:\\Sub"
[Software\\Microsoft\\Microsoft Games\\Flight Simulator\\8.0]
"EXE Path"="C:\\FS8"
)",
                     {}},
        RegistryCase{"EscapesUndone", R"("EXE Path"="C:\\Caf\xe9\\\"Sim\"\\\x4e2d\x00e9")",
                     {u"C:\\Caf\u00e9\\\"Sim\"\\\u4e2d\u00e9"_s}},
        RegistryCase{"OddValuesPassedOver", R"("EXE Path"=str(2):"C:\\Expand"
"EXE Path"="C:\\Unended
"EXE Path"="C:\\New\nLine"
"EXE Path"="C:\\Quoted\"
"EXE Path"=hex:43,00
"EXE Path"="
"EXE Path"="C:\\Kept"
)",
                     {R"(C:\Kept)"}}),
    [](const testing::TestParamInfo<RegistryCase> &info) { return std::string(info.param.name); });
