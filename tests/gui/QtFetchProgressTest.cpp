#include "gui/QtFetchProgress.h"
#include "about/MakerSite.h"
#include "update/UpdateCheck.h"

#include "LocalHttpServer.h"
#include "ScriptedDialogs.h"

#include <QAbstractButton>
#include <QApplication>
#include <QElapsedTimer>
#include <QProgressDialog>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QWidget>

#include <gtest/gtest.h>

namespace {

QProgressDialog *shownBox()
{
    for (QWidget *widget : QApplication::topLevelWidgets()) {
        if (auto *box = qobject_cast<QProgressDialog *>(widget); box && box->isVisible())
            return box;
    }
    return nullptr;
}

QPushButton *cancelButton(QProgressDialog *box)
{
    for (QPushButton *button : box->findChildren<QPushButton *>()) {
        if (button->text() == "Cancel")
            return button;
    }
    return nullptr;
}

class QtFetchProgressTest : public testing::Test
{
protected:
    QWidget window;
    QtFetchProgress progress{&window};
    int cancels = 0;
    std::function<void()> countCancel = [this] { ++cancels; };
};

TEST_F(QtFetchProgressTest, ShowsAModalBoxWithTextTitleAndCancel)
{
    progress.begin("Checking for updates...", "Update", countCancel);
    QProgressDialog *box = shownBox();
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(box->labelText(), "Checking for updates...");
    EXPECT_EQ(box->windowTitle(), "Update");
    EXPECT_EQ(box->windowModality(), Qt::ApplicationModal);
    EXPECT_EQ(box->parentWidget(), &window);
    EXPECT_NE(cancelButton(box), nullptr);
    progress.end();
    EXPECT_EQ(shownBox(), nullptr);
    EXPECT_EQ(cancels, 0);
}

TEST_F(QtFetchProgressTest, CancelButtonCallsBackOnce)
{
    progress.begin("Checking for updates...", "Update", countCancel);
    QProgressDialog *box = shownBox();
    ASSERT_NE(box, nullptr);
    QPushButton *cancel = cancelButton(box);
    ASSERT_NE(cancel, nullptr);
    QTest::mouseClick(cancel, Qt::LeftButton);
    EXPECT_EQ(cancels, 1);
    if (cancel->isVisible())
        QTest::mouseClick(cancel, Qt::LeftButton);
    EXPECT_EQ(cancels, 1);
    progress.end();
    EXPECT_EQ(shownBox(), nullptr);
}

TEST_F(QtFetchProgressTest, EscapeAndTheCloseBoxCancelToo)
{
    progress.begin("Checking for updates...", "Update", countCancel);
    ASSERT_NE(shownBox(), nullptr);
    shownBox()->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(shownBox()));
    QTest::keyClick(shownBox(), Qt::Key_Escape);
    EXPECT_EQ(cancels, 1);
    progress.end();

    progress.begin("Checking for updates...", "Update", countCancel);
    ASSERT_NE(shownBox(), nullptr);
    shownBox()->close();
    EXPECT_EQ(cancels, 2);
    progress.end();
}

TEST_F(QtFetchProgressTest, NothingIsCalledAfterEnd)
{
    progress.begin("Checking for updates...", "Update", countCancel);
    progress.end();
    progress.end();
    EXPECT_EQ(shownBox(), nullptr);
    EXPECT_EQ(cancels, 0);
}

// The whole check with the real waiting box: Cancel pressed by the user while
// the server says nothing ends the check quietly.
TEST(UpdateCheckWithWaitingBox, CancelEndsTheCheckQuietly)
{
    LocalHttpServer server;
    server.staySilent(MakerSite::versionPagePath);
    QWidget window;
    QtFetchProgress progress(&window);
    ScriptedDialogs dialogs;
    FetchLimits limits;
    limits.transferTimeoutMs = 20'000;
    limits.deadlineMs = 30'000;
    UpdateCheck check(dialogs, progress, server.baseAddress(), limits);

    bool boxSeen = false;
    QTimer presser;
    QObject::connect(&presser, &QTimer::timeout, [&] {
        QProgressDialog *box = shownBox();
        if (!box || server.requests.isEmpty())
            return;
        boxSeen = box->labelText() == "Checking for updates..." && box->windowTitle() == "Update";
        QTest::mouseClick(cancelButton(box), Qt::LeftButton);
        presser.stop();
    });
    presser.start(20);

    dialogs.answer(Answer::Yes);
    QElapsedTimer clock;
    clock.start();
    check.run();
    EXPECT_LT(clock.elapsed(), 10'000);
    EXPECT_TRUE(boxSeen);
    EXPECT_EQ(shownBox(), nullptr);
    EXPECT_EQ(dialogs.prompts(),
              QStringList{"Check the Internet for upgrades? An Internet connection is required."});
    EXPECT_EQ(server.requests, QStringList{MakerSite::versionPagePath});
}

} // namespace
