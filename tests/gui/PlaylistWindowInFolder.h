#pragma once

#include "gui/PlaylistWindow.h"

#include "Files.h"
#include "ScriptedDialogs.h"
#include "TemporaryCurrentFolder.h"

#include <QAction>
#include <QListWidget>
#include <QPixmap>
#include <QPointer>
#include <QTest>

#include <gtest/gtest.h>

inline QIcon programIcon()
{
    QPixmap pixmap(32, 32);
    pixmap.fill(Qt::darkCyan);
    return QIcon(pixmap);
}

// The window driven offscreen, in a temporary current directory (so that
// "help.htm" is missing unless a test writes it).
class PlaylistWindowTest : public testing::Test
{
protected:
    void TearDown() override { delete window.data(); }

    void load()
    {
        window = new PlaylistWindow(dialogs, icon);
        window->show();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window));
    }

    QListWidget *songList() const { return window->findChild<QListWidget *>("songList"); }
    QAction *action(const char *name) const
    {
        QAction *found = window->findChild<QAction *>(QLatin1String(name));
        EXPECT_NE(found, nullptr) << name;
        return found;
    }
    void click(const char *name) const { action(name)->trigger(); }
    void press(QKeyCombination key) const
    {
        QTest::keyClick(window->focusWidget() ? window->focusWidget() : window.data(), key.key(),
                        key.keyboardModifiers());
    }

    QStringList shownNames() const
    {
        QStringList names;
        for (int i = 0; i < songList()->count(); ++i)
            names << songList()->item(i)->text();
        return names;
    }

    QString path(const QString &name) const { return dir.filePath(name); }
    QString file(const QString &name, const QByteArray &content) const
    {
        writeBytes(path(name), content);
        return path(name);
    }

    // Opens `name` through Open Playlist.
    void open(const QString &name)
    {
        dialogs.choose(path(name));
        click("openPlaylistAction");
    }

    // Processes the deletion a close asked for.
    static void unloadPending() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }

    TemporaryCurrentFolder dir;
    QIcon icon = programIcon();
    ScriptedDialogs dialogs;
    QPointer<PlaylistWindow> window;
};
