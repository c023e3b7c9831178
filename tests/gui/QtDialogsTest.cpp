#include "gui/QtDialogs.h"

#include "ModalAnswer.h"
#include "ScriptedDialogs.h"

#include <QMessageBox>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

namespace {

struct BoxCase
{
    const char *name;
    BoxStyle style;
    QMessageBox::StandardButton press; // NoButton: close the box with Escape
    Answer answer;
    QMessageBox::Icon icon;
};

class RealMessageBox : public testing::TestWithParam<BoxCase>
{
};

// Answers the box that is about to be shown and notes what it looked like.
struct SeenBox
{
    QString title;
    QString text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QMessageBox::StandardButtons buttons;
};

} // namespace

TEST_P(RealMessageBox, ReturnsTheCodeOfTheButtonPressed)
{
    QtDialogs dialogs;
    auto seen = std::make_shared<SeenBox>();
    answerModal([seen, press = GetParam().press](QWidget *modal) {
        auto *box = qobject_cast<QMessageBox *>(modal);
        if (!box)
            return false;
        *seen = {box->windowTitle(), box->text(), box->icon(), box->standardButtons()};
        if (press == QMessageBox::NoButton)
            QTest::keyClick(box, Qt::Key_Escape);
        else
            box->button(press)->click();
        return true;
    });
    EXPECT_EQ(dialogs.messageBox("First line\rsecond\r\nthird", GetParam().style.buttons, "Title",
                                 GetParam().style.icon),
              GetParam().answer);
    EXPECT_EQ(seen->title, "Title");
    EXPECT_EQ(seen->text, "First line\nsecond\nthird");
    EXPECT_EQ(seen->icon, GetParam().icon);
}

INSTANTIATE_TEST_SUITE_P(
    Codes, RealMessageBox,
    testing::Values(
        BoxCase{"OkOnly", okBox, QMessageBox::Ok, Answer::Ok, QMessageBox::NoIcon},
        BoxCase{"StopIcon", errorBox, QMessageBox::Ok, Answer::Ok, QMessageBox::Critical},
        BoxCase{"OkOfOkCancel", okCancelBox, QMessageBox::Ok, Answer::Ok, QMessageBox::NoIcon},
        BoxCase{"Cancel", okCancelBox, QMessageBox::Cancel, Answer::Cancel, QMessageBox::NoIcon},
        BoxCase{"ClosedOkCancel", okCancelBox, QMessageBox::NoButton, Answer::Cancel, QMessageBox::NoIcon},
        BoxCase{"Yes", yesNoBox, QMessageBox::Yes, Answer::Yes, QMessageBox::NoIcon},
        BoxCase{"No", yesNoBox, QMessageBox::No, Answer::No, QMessageBox::NoIcon},
        BoxCase{"ClosedYesNoIsNo", yesNoBox, QMessageBox::NoButton, Answer::No, QMessageBox::NoIcon}),
    [](const testing::TestParamInfo<BoxCase> &info) { return std::string(info.param.name); });
