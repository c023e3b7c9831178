// The window, the console program and Qt's own buttons in each language the
// program has a catalogue for: each shows the catalogue's words, not the
// English of the source.

#include "about/HelpPage.h"
#include "about/Language.h"
#include "gui/MainWindow.h"

#include "Files.h"
#include "ProgramRun.h"
#include "ScriptedDialogs.h"
#include "TemporaryCurrentFolder.h"

#include <QAbstractButton>
#include <QMessageBox>
#include <QTranslator>

#include <gtest/gtest.h>

namespace {

struct LanguageCase
{
    const char *language;
    QString yes; // Qt's own Yes button
};

void PrintTo(const LanguageCase &row, std::ostream *out)
{
    *out << row.language;
}

class Languages : public testing::TestWithParam<LanguageCase>
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(catalogue.load(QStringLiteral(":/translations/skylyre_") + language()));
    }
    void TearDown() override { Language::install(QStringLiteral("en")); }

    QString language() const { return QString::fromLatin1(GetParam().language); }
    // The catalogue's words for `source`, which must not be the English.
    QString translated(const char *context, const char *source) const
    {
        const QString words = catalogue.translate(context, source);
        EXPECT_FALSE(words.isEmpty()) << context << ": " << source << " is not translated";
        EXPECT_NE(words, QString::fromUtf8(source));
        return words;
    }

    QTranslator catalogue;
};

} // namespace

TEST_P(Languages, TheWindowQtsButtonsAndTheConsoleProgramSpeakIt)
{
    // Started from the test's own folder, where its path leads.
    const ProgramRun run = runProgram(QStringLiteral(SKYLYRE_CONSOLE_PROGRAM),
                                      {"--language", language(), "remove", "Missing.air"});
    ASSERT_TRUE(run.ended);
    EXPECT_TRUE(run.output.contains(translated("AirFile", "there is no such .air file")))
        << run.output.toStdString();

    ASSERT_EQ(Language::install(language()), language());
    ScriptedDialogs dialogs;
    TemporaryCurrentFolder folder;
    writeBytes(folder.filePath("help.htm"), "<p>");
    MainWindow window(dialogs);
    EXPECT_EQ(window.findChild<QAbstractButton *>("writeButton")->text(), translated("MainWindow", "&Write"));
    QMessageBox box(QMessageBox::NoIcon, {}, {}, QMessageBox::Yes | QMessageBox::No);
    EXPECT_EQ(box.button(QMessageBox::Yes)->text(), GetParam().yes);

    EXPECT_EQ(helpPage(), "help.htm");
    writeBytes(folder.filePath("help_" + language() + ".htm"), "<p>");
    EXPECT_EQ(helpPage(), "help_" + language() + ".htm");
}

INSTANTIATE_TEST_SUITE_P(Catalogues, Languages,
                         testing::Values(LanguageCase{"de", "&Ja"}, LanguageCase{"es", "&Sí"},
                                         LanguageCase{"fr", "&Oui"}, LanguageCase{"it", "&Sì"},
                                         LanguageCase{"pt_BR", "&Sim"}),
                         [](const testing::TestParamInfo<LanguageCase> &info) {
                             return std::string(info.param.language);
                         });
