#include "gui/PlaylistWindow.h"
#include "about/MakerSite.h"

#include "PlaylistWindowInFolder.h"

#include <QAction>
#include <QDir>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QPointer>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

const QString saveQuestion = "Save changes to playlist?";
const QString closeQuestion =
    "Are you sure you want to close the playlist? All unsaved changes will be lost.";
const QString nothingToSave = "No playlist to save.";
const QString m3uFilter = "M3U Files (*.m3u)|*.m3u";
const QString mp3Filter = "MP3 Files (*.mp3)|*.mp3";
const QString txtFilter = "TXT Files (*.txt)|*.txt";

struct MenuItem
{
    const char *name;
    QString caption;
    QKeySequence shortcut;
};

} // namespace

TEST_F(PlaylistWindowTest, IsLaidOutAsDesigned)
{
    load();
    EXPECT_EQ(window->objectName(), "playlistWindow");
    EXPECT_EQ(window->windowTitle(), "Playlist Editor");
    EXPECT_EQ(window->centralWidget()->size(), QSize(265, 162));
    EXPECT_EQ(window->minimumSize(), window->maximumSize());
    EXPECT_EQ(window->size(), window->minimumSize());
    EXPECT_EQ(window->size(), QSize(265, 162 + window->menuBar()->height()));
    EXPECT_TRUE(window->testAttribute(Qt::WA_DeleteOnClose));
    EXPECT_EQ(window->windowIcon().cacheKey(), icon.cacheKey());

    QListWidget *list = songList();
    ASSERT_NE(list, nullptr);
    EXPECT_EQ(list->geometry(), QRect(0, 0, 265, 160));
    EXPECT_TRUE(list->isVisible());
    EXPECT_EQ(list->selectionMode(), QAbstractItemView::SingleSelection);
    EXPECT_FALSE(list->isSortingEnabled());
    EXPECT_EQ(list->count(), 0);
    EXPECT_EQ(window->playlist().count(), 0);

    const QRect screen = window->screen()->availableGeometry();
    EXPECT_LE((window->geometry().center() - screen.center()).manhattanLength(), 2);
}

TEST_F(PlaylistWindowTest, HasTheMenuBarInOrder)
{
    load();
    const std::vector<std::pair<MenuItem, std::vector<MenuItem>>> menus{
        {{"fileMenu", "&File", {}},
         {{"newPlaylistAction", "New Playlist", QKeySequence("Ctrl+N")},
          {"openPlaylistAction", "Open Playlist", QKeySequence("Ctrl+O")},
          {"addSongAction", "Add Song", QKeySequence("Ctrl+A")},
          {"savePlaylistAction", "Save Playlist", QKeySequence("Ctrl+S")},
          {"saveAsTextAction", "Save Playlist as Text", QKeySequence("Ctrl+T")},
          {"closeAction", "Close", QKeySequence("Ctrl+X")}}},
        {{"helpMenu", "&Help", {}},
         {{"helpAction", "Help", QKeySequence("Ctrl+H")}, {"aboutAction", "About", {}}}},
    };
    const QList<QAction *> bar = window->menuBar()->actions();
    ASSERT_EQ(bar.size(), qsizetype(menus.size()));
    for (size_t m = 0; m < menus.size(); ++m) {
        const auto &[menuItem, items] = menus[m];
        QMenu *menu = bar[m]->menu();
        ASSERT_NE(menu, nullptr);
        EXPECT_EQ(menu->objectName(), menuItem.name);
        EXPECT_EQ(menu->title(), menuItem.caption);
        EXPECT_EQ(window->findChild<QMenu *>(menuItem.name), menu);
        const QList<QAction *> actions = menu->actions();
        ASSERT_EQ(actions.size(), qsizetype(items.size())) << menuItem.name;
        for (size_t i = 0; i < items.size(); ++i) {
            EXPECT_EQ(actions[i]->objectName(), items[i].name);
            EXPECT_EQ(actions[i]->text(), items[i].caption) << items[i].name;
            EXPECT_EQ(actions[i]->shortcut(), items[i].shortcut) << items[i].name;
            EXPECT_FALSE(actions[i]->isSeparator());
            EXPECT_EQ(window->findChild<QAction *>(items[i].name), actions[i]);
        }
    }
}

TEST_F(PlaylistWindowTest, WithoutAHelpPageHelpIsDisabledSilently)
{
    load();
    EXPECT_FALSE(action("helpAction")->isEnabled());
    EXPECT_TRUE(action("aboutAction")->isEnabled());
    press(Qt::CTRL | Qt::Key_H);
    EXPECT_TRUE(dialogs.calls.empty());
}

TEST_F(PlaylistWindowTest, HelpOpensTheHelpPage)
{
    file("help.htm", "<html></html>");
    load();
    EXPECT_TRUE(action("helpAction")->isEnabled());
    press(Qt::CTRL | Qt::Key_H);
    ASSERT_EQ(dialogs.calls.size(), 1u);
    EXPECT_EQ(dialogs.calls[0].kind, DialogCall::Shell);
    EXPECT_EQ(dialogs.calls[0].text, "help.htm");
}

TEST_F(PlaylistWindowTest, AFolderNamedHelpPageIsNoHelpPage)
{
    ASSERT_TRUE(QDir(dir.path()).mkdir("help.htm"));
    load();
    EXPECT_FALSE(action("helpAction")->isEnabled());
}

TEST_F(PlaylistWindowTest, AboutShowsNameWebAndEMail)
{
    load();
    click("aboutAction");
    ASSERT_EQ(dialogs.messages().size(), 1u);
    const DialogCall about = dialogs.messages()[0];
    EXPECT_EQ(about.text,
              "Playlist Editor 1.0 by Arandel\r\nWeb: " + MakerSite::webSiteAddress
                  + "\r\nE-Mail: " + MakerSite::contactEmail);
    EXPECT_EQ(about.style, okBox);
    EXPECT_EQ(about.title, "About");
}

TEST_F(PlaylistWindowTest, NewPlaylistAnsweredYesOnAnEmptyPlaylist)
{
    load();
    dialogs.answer(Answer::Yes);
    press(Qt::CTRL | Qt::Key_N);
    const std::vector<DialogCall> calls = dialogs.calls;
    ASSERT_EQ(calls.size(), 2u);
    EXPECT_EQ(calls[0].text, saveQuestion);
    EXPECT_EQ(calls[0].style, yesNoBox);
    EXPECT_EQ(calls[0].title, "Save Changes");
    EXPECT_EQ(calls[1].text, nothingToSave);
    EXPECT_EQ(calls[1].style, okBox);
    EXPECT_EQ(calls[1].title, "Error");
    EXPECT_EQ(window->playlist().count(), 0);
    EXPECT_EQ(window->windowTitle(), "Playlist Editor");
    EXPECT_TRUE(entriesOf(dir.path()).isEmpty());
}

TEST_F(PlaylistWindowTest, NewPlaylistYesThenSaveCancelledClearsAllTheSame)
{
    file("rock.m3u", "a.mp3\r\nb.mp3\r\n");
    load();
    open("rock.m3u");
    dialogs.answer(Answer::Yes).choose("");
    click("newPlaylistAction");
    ASSERT_EQ(dialogs.calls.size(), 3u);
    EXPECT_EQ(dialogs.calls[2].kind, DialogCall::SaveFile);
    EXPECT_EQ(dialogs.calls[2].text, m3uFilter);
    EXPECT_EQ(window->playlist().count(), 0);
    EXPECT_TRUE(shownNames().isEmpty());
    EXPECT_EQ(window->windowTitle(), "Playlist Editor");
    EXPECT_EQ(entriesOf(dir.path()), QStringList{"rock.m3u"});
}

TEST_F(PlaylistWindowTest, NewPlaylistYesSavesThenClears)
{
    file("rock.m3u", "a.mp3\nb.mp3\n");
    load();
    open("rock.m3u");
    dialogs.answer(Answer::Yes).choose(path("saved.m3u"));
    click("newPlaylistAction");
    EXPECT_EQ(readBytes(path("saved.m3u")), "a.mp3\r\nb.mp3\r\n");
    EXPECT_EQ(window->playlist().count(), 0);
    EXPECT_EQ(window->windowTitle(), "Playlist Editor");
}

TEST_F(PlaylistWindowTest, NewPlaylistNoClearsWithoutSaving)
{
    file("rock.m3u", "a.mp3\r\n");
    load();
    open("rock.m3u");
    dialogs.answer(Answer::No);
    click("newPlaylistAction");
    EXPECT_EQ(dialogs.calls.size(), 2u);
    EXPECT_EQ(window->playlist().count(), 0);
    EXPECT_TRUE(shownNames().isEmpty());
    EXPECT_EQ(window->windowTitle(), "Playlist Editor");
}

TEST_F(PlaylistWindowTest, OpeningTwoPlaylistsListsBothAndShowsTheSecondTitle)
{
    file("pop.m3u", "C:\\Lists\\One.mp3\r\nTwo.mp3\r\n");
    file("rock.m3u", "#EXTM3U\nTunes/Three.mp3\n");
    load();
    dialogs.choose(path("pop.m3u"));
    press(Qt::CTRL | Qt::Key_O);
    EXPECT_EQ(window->windowTitle(), "Playlist Editor - pop.m3u");
    open("rock.m3u");
    EXPECT_EQ(shownNames(), (QStringList{"One", "Two", "#EX", "Tunes/Three"}));
    EXPECT_EQ(window->playlist().paths(),
              (QList<QByteArray>{"C:\\Lists\\One.mp3", "Two.mp3", "#EXTM3U", "Tunes/Three.mp3"}));
    EXPECT_EQ(window->windowTitle(), "Playlist Editor - rock.m3u");
    ASSERT_EQ(dialogs.calls.size(), 2u);
    EXPECT_EQ(dialogs.calls[0].kind, DialogCall::OpenFile);
    EXPECT_EQ(dialogs.calls[0].text, m3uFilter);
}

TEST_F(PlaylistWindowTest, ACancelledOpenChangesNothing)
{
    file("rock.m3u", "a.mp3\r\n");
    load();
    open("rock.m3u");
    dialogs.choose("");
    click("openPlaylistAction");
    EXPECT_EQ(shownNames(), QStringList{"a"});
    EXPECT_EQ(window->windowTitle(), "Playlist Editor - rock.m3u");
    EXPECT_TRUE(dialogs.messages().empty());
}

TEST_F(PlaylistWindowTest, AFailedOpenLeavesThePlaylistAndCaption)
{
    file("rock.m3u", "a.mp3\r\n");
    load();
    open("rock.m3u");
    open("gone.m3u");
    ASSERT_EQ(dialogs.messages().size(), 1u);
    const DialogCall error = dialogs.messages()[0];
    EXPECT_EQ(error.title, "Error");
    EXPECT_EQ(error.style, errorBox);
    EXPECT_TRUE(error.text.contains(QDir::toNativeSeparators(path("gone.m3u"))));
    EXPECT_TRUE(error.text.contains(reasonOpening(path("gone.m3u")))) << error.text.toStdString();
    EXPECT_EQ(shownNames(), QStringList{"a"});
    EXPECT_EQ(window->playlist().count(), 1);
    EXPECT_EQ(window->windowTitle(), "Playlist Editor - rock.m3u");
}

// A playlist of 100,000 songs is more than the 32,767 a playlist holds: it is
// read to its end and refused as a whole, with a message that says why.
TEST_F(PlaylistWindowTest, APlaylistOf100000SongsIsRefusedWithAClearMessage)
{
    file("rock.m3u", "a.mp3\r\n");
    QByteArray huge;
    for (int i = 0; i < 100'000; ++i)
        huge += "C:\\Music\\Song " + QByteArray::number(i) + ".mp3\r\n";
    file("huge.m3u", huge);
    load();
    open("rock.m3u");
    open("huge.m3u");
    ASSERT_EQ(dialogs.messages().size(), 1u);
    const DialogCall refusal = dialogs.messages()[0];
    EXPECT_EQ(refusal.title, "Playlist Editor");
    EXPECT_EQ(refusal.style, errorBox);
    EXPECT_TRUE(refusal.text.contains("huge.m3u")) << refusal.text.toStdString();
    EXPECT_TRUE(refusal.text.contains("100,001")) << refusal.text.toStdString();
    EXPECT_TRUE(refusal.text.contains("32,767")) << refusal.text.toStdString();
    EXPECT_EQ(shownNames(), QStringList{"a"});
    EXPECT_EQ(window->playlist().paths(), QList<QByteArray>{"a.mp3"});
    EXPECT_EQ(window->windowTitle(), "Playlist Editor - rock.m3u");
}

// 100,000 lines of which 32,767 are songs and the rest blank: every song is
// listed, in order.
TEST_F(PlaylistWindowTest, A100000LinePlaylistWithRoomForItsSongsIsListedWhole)
{
    QByteArray lines;
    QList<QByteArray> songs;
    for (int i = 0; i < 100'000; ++i) {
        if (i % 3 == 0 && songs.size() < 32'767) {
            songs << "C:\\Music\\Song " + QByteArray::number(i) + ".mp3";
            lines += songs.last();
        }
        lines += i % 2 ? "\r\n" : "\n";
    }
    ASSERT_EQ(songs.size(), 32'767);
    file("full.m3u", lines);
    load();
    open("full.m3u");
    EXPECT_TRUE(dialogs.messages().empty());
    EXPECT_EQ(window->playlist().paths(), songs);
    ASSERT_EQ(songList()->count(), 32'767);
    EXPECT_EQ(songList()->item(0)->text(), "Song 0");
    EXPECT_EQ(songList()->item(32'766)->text(), "Song 98298");
    EXPECT_EQ(window->windowTitle(), "Playlist Editor - full.m3u");
}

TEST_F(PlaylistWindowTest, AnAddToAFullPlaylistIsRefusedWithAClearMessage)
{
    file("full.m3u", QByteArray("s.mp3\r\n").repeated(32'767));
    load();
    open("full.m3u");
    dialogs.choose(path("one more.mp3"));
    click("addSongAction");
    ASSERT_EQ(dialogs.messages().size(), 1u);
    const DialogCall refusal = dialogs.messages()[0];
    EXPECT_EQ(refusal.title, "Playlist Editor");
    EXPECT_EQ(refusal.style, errorBox);
    EXPECT_EQ(refusal.text,
              "Adding \"one more.mp3\" would give the playlist 32,768 songs, but it can hold "
              "at most 32,767.\r\nNothing was added.");
    EXPECT_EQ(songList()->count(), 32'767);
    EXPECT_EQ(window->playlist().count(), 32'767);
}

TEST_F(PlaylistWindowTest, AddSongListsTheSongLastAndKeepsTheCaption)
{
    file("rock.m3u", "a.mp3\r\n");
    load();
    open("rock.m3u");
    dialogs.choose(path("My Song.mp3"));
    songList()->setFocus();
    press(Qt::CTRL | Qt::Key_A);
    EXPECT_EQ(dialogs.calls.back().kind, DialogCall::OpenFile);
    EXPECT_EQ(dialogs.calls.back().text, mp3Filter);
    EXPECT_EQ(shownNames(), (QStringList{"a", "My Song"}));
    EXPECT_EQ(window->playlist().paths().last(), path("My Song.mp3").toLocal8Bit());
    EXPECT_EQ(window->windowTitle(), "Playlist Editor - rock.m3u");

    dialogs.choose("");
    click("addSongAction");
    EXPECT_EQ(window->playlist().count(), 2);
}

TEST_F(PlaylistWindowTest, NamesOutsideAsciiAreShownAndKept)
{
    // In the local 8-bit code page: UTF-8 on Linux, the ANSI code page on Windows.
    const QByteArray uber = u"C:\\Musik\\\u00dcber.mp3\r\n"_s.toLocal8Bit();
    file("list.m3u", uber);
    load();
    open("list.m3u");
    dialogs.choose(path(u"Caf\u00e9 \u00e9t\u00e9.mp3"_s));
    click("addSongAction");
    EXPECT_EQ(shownNames(), (QStringList{u"\u00dcber"_s, u"Caf\u00e9 \u00e9t\u00e9"_s}));
    dialogs.choose(path("out.m3u"));
    click("savePlaylistAction");
    EXPECT_EQ(readBytes(path("out.m3u")),
              uber + path(u"Caf\u00e9 \u00e9t\u00e9.mp3"_s).toLocal8Bit() + "\r\n");
}

TEST_F(PlaylistWindowTest, SavingKeepsTheCaptionAndThePlaylist)
{
    load();
    dialogs.answer(Answer::No);
    click("newPlaylistAction");
    dialogs.choose(path("a.mp3")).choose(path("b.mp3"));
    click("addSongAction");
    click("addSongAction");
    dialogs.choose(path("list.m3u"));
    press(Qt::CTRL | Qt::Key_S);
    EXPECT_EQ(dialogs.calls.back().kind, DialogCall::SaveFile);
    EXPECT_EQ(dialogs.calls.back().text, m3uFilter);
    EXPECT_EQ(readBytes(path("list.m3u")), (path("a.mp3") + "\r\n" + path("b.mp3") + "\r\n").toUtf8());
    EXPECT_EQ(window->windowTitle(), "Playlist Editor");
    EXPECT_EQ(shownNames(), (QStringList{"a", "b"}));

    dialogs.choose(path("list.txt"));
    press(Qt::CTRL | Qt::Key_T);
    EXPECT_EQ(dialogs.calls.back().text, txtFilter);
    EXPECT_EQ(readBytes(path("list.txt")), "a\r\nb\r\n");
    EXPECT_EQ(window->windowTitle(), "Playlist Editor");
}

TEST_F(PlaylistWindowTest, ASaveCancelledWritesNothing)
{
    load();
    dialogs.choose(path("a.mp3"));
    click("addSongAction");
    dialogs.choose("").choose("");
    click("savePlaylistAction");
    click("saveAsTextAction");
    EXPECT_TRUE(entriesOf(dir.path()).isEmpty());
    EXPECT_TRUE(dialogs.messages().empty());
    EXPECT_EQ(window->playlist().count(), 1);
}

TEST_F(PlaylistWindowTest, CtrlTOnAnEmptyPlaylistSaysSoAndShowsNoDialog)
{
    load();
    press(Qt::CTRL | Qt::Key_T);
    ASSERT_EQ(dialogs.calls.size(), 1u);
    EXPECT_EQ(dialogs.calls[0].kind, DialogCall::Message);
    EXPECT_EQ(dialogs.calls[0].text, nothingToSave);
    EXPECT_EQ(dialogs.calls[0].style, okBox);
    EXPECT_EQ(dialogs.calls[0].title, "Error");
    EXPECT_TRUE(entriesOf(dir.path()).isEmpty());
}

TEST_F(PlaylistWindowTest, DoubleClickingTheThirdOfFiveThenSavingWritesTheOtherFour)
{
    file("five.m3u", "1.mp3\r\n2.mp3\r\n3.mp3\r\n4.mp3\r\n5.mp3\r\n");
    load();
    open("five.m3u");
    QListWidget *list = songList();
    const QPoint third = list->visualItemRect(list->item(2)).center();
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, third);
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, third);
    EXPECT_EQ(shownNames(), (QStringList{"1", "2", "4", "5"}));
    EXPECT_EQ(window->playlist().paths(), (QList<QByteArray>{"1.mp3", "2.mp3", "4.mp3", "5.mp3"}));
    EXPECT_TRUE(list->selectedItems().isEmpty());
    EXPECT_TRUE(dialogs.messages().empty());

    dialogs.choose(path("four.m3u"));
    click("savePlaylistAction");
    EXPECT_EQ(readBytes(path("four.m3u")), "1.mp3\r\n2.mp3\r\n4.mp3\r\n5.mp3\r\n");
}

TEST_F(PlaylistWindowTest, ADoubleClickWithNothingSelectedDoesNothing)
{
    file("two.m3u", "1.mp3\r\n2.mp3\r\n");
    load();
    open("two.m3u");
    window->removeSelectedSong();
    // A press beside the songs selects none, so the double-click removes none.
    songList()->setCurrentRow(0);
    const QPoint below = songList()->visualItemRect(songList()->item(1)).bottomLeft() + QPoint(5, 30);
    QTest::mouseDClick(songList()->viewport(), Qt::LeftButton, {}, below);
    EXPECT_EQ(shownNames(), (QStringList{"1", "2"}));
    EXPECT_EQ(window->playlist().count(), 2);
}

TEST_F(PlaylistWindowTest, CloseAnsweredNoLeavesEverythingAsItWas)
{
    file("rock.m3u", "a.mp3\r\nb.mp3\r\n");
    load();
    open("rock.m3u");
    dialogs.answer(Answer::No);
    press(Qt::CTRL | Qt::Key_X);
    unloadPending();
    ASSERT_FALSE(window.isNull());
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(shownNames(), (QStringList{"a", "b"}));
    EXPECT_EQ(window->windowTitle(), "Playlist Editor - rock.m3u");
    ASSERT_EQ(dialogs.messages().size(), 1u);
    EXPECT_EQ(dialogs.messages()[0].text, closeQuestion);
    EXPECT_EQ(dialogs.messages()[0].style, yesNoBox);
    EXPECT_EQ(dialogs.messages()[0].title, "Playlist Editor");
}

TEST_F(PlaylistWindowTest, CloseAnsweredYesUnloadsAndTheNextLoadStartsAfresh)
{
    file("rock.m3u", "a.mp3\r\n");
    load();
    open("rock.m3u");
    dialogs.answer(Answer::Yes);
    click("closeAction");
    unloadPending();
    EXPECT_TRUE(window.isNull());

    file("help.htm", "<html></html>");
    load();
    EXPECT_EQ(window->windowTitle(), "Playlist Editor");
    EXPECT_TRUE(shownNames().isEmpty());
    EXPECT_EQ(window->playlist().count(), 0);
    EXPECT_TRUE(action("helpAction")->isEnabled());
}

TEST_F(PlaylistWindowTest, TheCloseBoxAsksNothing)
{
    file("rock.m3u", "a.mp3\r\n");
    load();
    open("rock.m3u");
    EXPECT_TRUE(window->close());
    unloadPending();
    EXPECT_TRUE(window.isNull());
    EXPECT_EQ(dialogs.calls.size(), 1u);
}
