#include "about/Language.h"

#include <gtest/gtest.h>

namespace {

struct ChoiceCase
{
    const char *name;
    QString asked; // --language
    QStringList uiLanguages;
    QString spoken;
};

void PrintTo(const ChoiceCase &row, std::ostream *out)
{
    *out << row.name;
}

class LanguageChoice : public testing::TestWithParam<ChoiceCase>
{
};

} // namespace

TEST_P(LanguageChoice, IsTheFirstThereIsACatalogueFor)
{
    EXPECT_EQ(Language::choose(GetParam().asked, GetParam().uiLanguages), GetParam().spoken);
}

INSTANTIATE_TEST_SUITE_P(
    Languages, LanguageChoice,
    testing::Values(ChoiceCase{"TheSystems", "", {"de-DE", "de", "en-US"}, "de"},
                    ChoiceCase{"ACountrysCatalogue", "", {"pt-BR"}, "pt_BR"},
                    ChoiceCase{"TheSameLanguageOfAnotherCountry", "", {"pt-PT", "pt"}, "pt_BR"},
                    ChoiceCase{"AFallBackOfTheUsers", "", {"ja-JP", "it-IT"}, "it"},
                    ChoiceCase{"EnglishAskedBeforeAnother", "", {"en-GB", "fr-FR"}, "en"},
                    ChoiceCase{"NoneThereIsACatalogueFor", "", {"ja-JP", "ko"}, "en"},
                    ChoiceCase{"TheCLocale", "", {"C"}, "en"},
                    ChoiceCase{"AskedOnTheCommandLine", "fr", {"de-DE"}, "fr"},
                    ChoiceCase{"AskedAsSystemsWriteIt", "pt-BR", {}, "pt_BR"},
                    ChoiceCase{"EnglishAsked", "en", {"de-DE"}, "en"},
                    ChoiceCase{"AskedWithoutACatalogue", "xx", {"de-DE"}, "en"}),
    [](const testing::TestParamInfo<ChoiceCase> &info) { return std::string(info.param.name); });

TEST(LanguageAsked, IsReadBeforeTheCommandLine)
{
    EXPECT_EQ(Language::askedIn({"skylyre", "--language", "de", "list"}), "de");
    EXPECT_EQ(Language::askedIn({"skylyre", "list", "--language=pt_BR"}), "pt_BR");
    EXPECT_EQ(Language::askedIn({"skylyre", "list", "--language"}), "");
    EXPECT_EQ(Language::askedIn({"skylyre", "list"}), "");
}
