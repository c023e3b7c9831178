#include "gui/MainWindow.h"
#include "gui/PlaylistWindow.h"

#include "Files.h"
#include "ScriptedDialogs.h"
#include "TemporaryCurrentFolder.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QListWidget>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>

namespace {

// The main window's Playlist Editor button, driven offscreen.
class PlaylistEditorButton : public testing::Test
{
protected:
    void SetUp() override
    {
        writeBytes(dir.filePath("help.htm"), "<html></html>");
        mainWindow = std::make_unique<MainWindow>(dialogs);
        mainWindow->show();
        ASSERT_TRUE(QTest::qWaitForWindowActive(mainWindow.get()));
    }

    void TearDown() override
    {
        for (PlaylistWindow *window : playlistWindows())
            delete window;
        mainWindow.reset();
    }

    // The playlist windows that are loaded.
    static QList<PlaylistWindow *> playlistWindows()
    {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QList<PlaylistWindow *> windows;
        for (QWidget *widget : QApplication::topLevelWidgets()) {
            if (auto *window = qobject_cast<PlaylistWindow *>(widget))
                windows << window;
        }
        return windows;
    }

    void pressPlaylistEditor() const
    {
        QTest::mouseClick(mainWindow->findChild<QPushButton *>("playlistEditorButton"), Qt::LeftButton);
    }

    PlaylistWindow *theOnePlaylistWindow() const
    {
        const QList<PlaylistWindow *> windows = playlistWindows();
        EXPECT_EQ(windows.size(), 1);
        return windows.isEmpty() ? nullptr : windows.constFirst();
    }

    void addSong(PlaylistWindow *window, const QString &path)
    {
        dialogs.choose(path);
        window->findChild<QAction *>("addSongAction")->trigger();
    }

    TemporaryCurrentFolder dir;
    ScriptedDialogs dialogs;
    std::unique_ptr<MainWindow> mainWindow;
};

} // namespace

TEST_F(PlaylistEditorButton, ShowsThePlaylistWindowBesideTheMainWindow)
{
    EXPECT_TRUE(playlistWindows().isEmpty());
    pressPlaylistEditor();
    PlaylistWindow *window = theOnePlaylistWindow();
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(window->isVisible());
    EXPECT_FALSE(window->isModal());
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    EXPECT_EQ(window->objectName(), "playlistWindow");
    EXPECT_EQ(window->windowTitle(), "Playlist Editor");
    EXPECT_FALSE(mainWindow->windowIcon().isNull());
    EXPECT_EQ(window->windowIcon().cacheKey(), mainWindow->windowIcon().cacheKey());
    EXPECT_TRUE(window->findChild<QAction *>("helpAction")->isEnabled());
    EXPECT_TRUE(mainWindow->isEnabled());
    EXPECT_TRUE(dialogs.calls.empty());
}

TEST_F(PlaylistEditorButton, PressedAgainShowsTheSameWindowWithItsPlaylist)
{
    pressPlaylistEditor();
    QPointer<PlaylistWindow> first = theOnePlaylistWindow();
    ASSERT_FALSE(first.isNull());
    addSong(first, dir.filePath("Song.mp3"));
    first->showMinimized();

    mainWindow->activateWindow();
    pressPlaylistEditor();
    ASSERT_EQ(theOnePlaylistWindow(), first.data());
    EXPECT_TRUE(first->isVisible());
    EXPECT_FALSE(first->isMinimized());
    EXPECT_EQ(first->playlist().count(), 1);
    EXPECT_EQ(first->findChild<QListWidget *>("songList")->count(), 1);
}

TEST_F(PlaylistEditorButton, AfterCloseTheWindowIsLoadedAnewAndEmpty)
{
    pressPlaylistEditor();
    QPointer<PlaylistWindow> first = theOnePlaylistWindow();
    ASSERT_FALSE(first.isNull());
    addSong(first, dir.filePath("Song.mp3"));
    dialogs.answer(Answer::Yes);
    first->findChild<QAction *>("closeAction")->trigger();
    EXPECT_TRUE(playlistWindows().isEmpty());
    EXPECT_TRUE(first.isNull());
    EXPECT_TRUE(mainWindow->isVisible());

    QDir(dir.path()).remove("help.htm");
    pressPlaylistEditor();
    PlaylistWindow *second = theOnePlaylistWindow();
    ASSERT_NE(second, nullptr);
    EXPECT_TRUE(second->isVisible());
    EXPECT_EQ(second->playlist().count(), 0);
    EXPECT_EQ(second->findChild<QListWidget *>("songList")->count(), 0);
    EXPECT_EQ(second->windowTitle(), "Playlist Editor");
    // The load steps run again: the help check sees the page gone.
    EXPECT_FALSE(second->findChild<QAction *>("helpAction")->isEnabled());
}

TEST_F(PlaylistEditorButton, ExitTakesThePlaylistWindowDownWithoutAQuestion)
{
    pressPlaylistEditor();
    QPointer<PlaylistWindow> window = theOnePlaylistWindow();
    ASSERT_FALSE(window.isNull());
    addSong(window, dir.filePath("Song.mp3"));
    dialogs.answer(Answer::Yes);
    QTest::mouseClick(mainWindow->findChild<QPushButton *>("exitButton"), Qt::LeftButton);
    EXPECT_TRUE(playlistWindows().isEmpty());
    EXPECT_TRUE(window.isNull());
    EXPECT_FALSE(mainWindow->isVisible());
    // The exit question alone was asked.
    EXPECT_EQ(dialogs.messages().size(), 1u);
}

TEST_F(PlaylistEditorButton, TheMainCloseBoxTakesThePlaylistWindowDownWithoutAQuestion)
{
    pressPlaylistEditor();
    QPointer<PlaylistWindow> window = theOnePlaylistWindow();
    ASSERT_FALSE(window.isNull());
    addSong(window, dir.filePath("Song.mp3"));
    EXPECT_TRUE(mainWindow->close());
    EXPECT_TRUE(playlistWindows().isEmpty());
    EXPECT_TRUE(window.isNull());
    EXPECT_TRUE(dialogs.messages().empty());
}
