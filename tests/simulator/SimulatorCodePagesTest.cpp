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

TEST_P(CodePageText, HasTheBytesOfTheCodePageOrNone)
{
    EXPECT_EQ(SimulatorCodePages::encode(GetParam().text, GetParam().codePage), GetParam().bytes);
}

INSTANTIATE_TEST_SUITE_P(
    Names, CodePageText,
    testing::Values(TextCase{"WesternEurope", u"p\u00e9trel_check"_s, 1252, "p\xe9trel_check"},
                    TextCase{"CentralEurope", u"\u0142o\u015b_ref"_s, 1250, "\xb3o\x9c_ref"},
                    TextCase{"Cyrillic", u"\u044f\u043a-52_check"_s, 1251, "\xff\xea-52_check"},
                    TextCase{"CyrillicIsNotWesternEurope", u"\u044f\u043a-52_check"_s, 1252, std::nullopt},
                    TextCase{"JapaneseIsNotWesternEurope", u"\u96f6\u6226_check"_s, 1252, std::nullopt},
                    TextCase{"NoBestFitForALetterOfAnotherAlphabet", u"\u0101_check"_s, 1252, std::nullopt}),
    [](const testing::TestParamInfo<TextCase> &info) { return std::string(info.param.name); });
