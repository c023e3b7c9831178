#include "simulator/SimulatorCodePages.h"

#include <gtest/gtest.h>

#include <optional>

using namespace Qt::StringLiterals;

namespace {

struct TextCase
{
    const char *name;
    QString text;
    int codePage;
    std::optional<QByteArray> bytes; // nothing: the code page cannot hold the text
};

void PrintTo(const TextCase &text, std::ostream *out)
{
    *out << text.name;
}

class CodePageText : public testing::TestWithParam<TextCase>
{
};

} // namespace

TEST_P(CodePageText, HasTheBytesOfTheCodePageOrNoneAndReadsBack)
{
    EXPECT_EQ(SimulatorCodePages::encode(GetParam().text, GetParam().codePage), GetParam().bytes);
    if (GetParam().bytes) {
        EXPECT_EQ(SimulatorCodePages::decode(*GetParam().bytes, GetParam().codePage), GetParam().text);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Names, CodePageText,
    testing::Values(TextCase{"WesternEurope", u"p\u00e9trel_check"_s, 1252, "p\xe9trel_check"},
                    TextCase{"CentralEurope", u"\u0142o\u015b_ref"_s, 1250, "\xb3o\x9c_ref"},
                    TextCase{"Cyrillic", u"\u044f\u043a-52_check"_s, 1251, "\xff\xea-52_check"},
                    TextCase{"CyrillicIsNotWesternEurope", u"\u044f\u043a-52_check"_s, 1252, std::nullopt},
                    TextCase{"JapaneseIsNotWesternEurope", u"\u96f6\u6226_check"_s, 1252, std::nullopt},
                    TextCase{"NoBestFitForALetterOfAnotherAlphabet", u"\u0101_check"_s, 1252, std::nullopt},
                    // Windows' ANSI code page may be UTF-8, which holds every character.
                    TextCase{"Utf8", u"p\u00e9trel_\u96f6_check"_s, 65001,
                             "p\xc3\xa9trel_\xe9\x9b\xb6_check"},
                    TextCase{"Utf8Ascii", u"cessna172_check"_s, 65001, "cessna172_check"}),
    [](const testing::TestParamInfo<TextCase> &info) { return std::string(info.param.name); });
