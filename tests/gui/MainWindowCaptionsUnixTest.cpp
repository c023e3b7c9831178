// The main window keeps the layout it was drawn with in every language. On
// Linux only: the offscreen platform of the Windows tests measures text in
// fonts other than those the window shows (under Wine the German and French
// captions are whole, as the screenshots show).

#include "about/Language.h"
#include "gui/MainWindow.h"

#include "Files.h"
#include "ScriptedDialogs.h"
#include "TemporaryCurrentFolder.h"

#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QStyleOption>

#include <gtest/gtest.h>

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
