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
#include <QGroupBox>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOption>
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

    const ProgramRun run = runProgram(QStringLiteral(SKYLYRE_CONSOLE_PROGRAM),
                                      {"--language", language(), "remove", "Missing.air"});
    EXPECT_TRUE(run.output.contains(translated("AirFile", "there is no such .air file")))
        << run.output.toStdString();
}

INSTANTIATE_TEST_SUITE_P(Catalogues, Languages,
                         testing::Values(LanguageCase{"de", "&Ja"}, LanguageCase{"es", "&Sí"},
                                         LanguageCase{"fr", "&Oui"}, LanguageCase{"it", "&Sì"},
                                         LanguageCase{"pt_BR", "&Sim"}),
                         [](const testing::TestParamInfo<LanguageCase> &info) {
                             return std::string(info.param.language);
                         });

namespace {

// Whether the caption of `control` fits the room its style gives it.
bool captionFits(const QWidget *control, QString *caption)
{
    const QStyle *style = control->style();
    QStyleOptionButton option;
    option.initFrom(control);
    QRect room;
    if (const auto *button = qobject_cast<const QPushButton *>(control)) {
        *caption = button->text();
        room = style->subElementRect(QStyle::SE_PushButtonContents, &option, button);
    } else if (const auto *radio = qobject_cast<const QRadioButton *>(control)) {
        *caption = radio->text();
        room = style->subElementRect(QStyle::SE_RadioButtonContents, &option, radio);
    } else if (const auto *group = qobject_cast<const QGroupBox *>(control)) {
        *caption = group->title();
        QStyleOptionGroupBox title;
        title.initFrom(group);
        title.text = group->title();
        title.subControls = QStyle::SC_GroupBoxLabel | QStyle::SC_GroupBoxFrame;
        title.textAlignment = group->alignment();
        const QRect label =
            style->subControlRect(QStyle::CC_GroupBox, &title, QStyle::SC_GroupBoxLabel, group);
        room = QRect(label.topLeft(), QPoint(group->width() - 1, label.bottom()));
    } else if (const auto *label = qobject_cast<const QLabel *>(control)) {
        *caption = label->text();
        room = label->contentsRect();
    }
    const QString shown = QString(*caption).remove(QLatin1Char('&'));
    return control->fontMetrics().horizontalAdvance(shown) <= room.width();
}

} // namespace

// The main window keeps the layout it was drawn with: in every language each
// caption fits its control, uncut.
TEST(MainWindowCaptions, FitTheirControlsInEveryLanguage)
{
    ScriptedDialogs dialogs;
    TemporaryCurrentFolder folder;
    writeBytes(folder.filePath("help.htm"), "<p>");
    for (const QString &language : QStringList{"en"} + Language::available()) {
        SCOPED_TRACE(language.toStdString());
        ASSERT_EQ(Language::install(language), language);
        MainWindow window(dialogs);
        for (const QWidget *control : window.findChildren<QWidget *>()) {
            QString caption;
            if (!control->objectName().isEmpty() && control->isVisibleTo(&window))
                EXPECT_TRUE(captionFits(control, &caption))
                    << control->objectName().toStdString() << ": " << caption.toStdString();
        }
    }
    Language::install("en");
}
