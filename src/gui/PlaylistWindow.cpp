#include "gui/PlaylistWindow.h"

#include "about/HelpPage.h"
#include "about/MakerSite.h"
#include "about/MessageTitles.h"
#include "files/FileOperations.h"
#include "gui/Twips.h"

#include <QGuiApplication>
#include <QIcon>
#include <QLayout>
#include <QListWidget>
#include <QMenuBar>
#include <QScreen>
#include <QStyle>

PlaylistWindow::PlaylistWindow(Dialogs &dialogs, const QIcon &icon, QWidget *parent)
    : QMainWindow(parent,
                  Qt::Window | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint
                      | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint)
    , dialogs(dialogs)
    , fileDialog(dialogs)
{
    setObjectName(QStringLiteral("playlistWindow"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(MessageTitles::playlistEditor());

    auto *client = new QWidget(this);
    client->setFixedSize(twipsRect(0, 0, 3975, 2430).size());
    setCentralWidget(client);

    songList = new QListWidget(client);
    songList->setObjectName(QStringLiteral("songList"));
    songList->setGeometry(twipsRect(0, 0, 3975, 2400));
    songList->setSelectionMode(QAbstractItemView::SingleSelection);
    songList->setSortingEnabled(false);
    // Every row is one line of text in the list's font: saying so spares the
    // view measuring each of up to 32,767 rows when a playlist is opened.
    songList->setUniformItemSizes(true);
    connect(songList, &QListWidget::itemDoubleClicked, this, [this] { removeSelectedSong(); });

    createActions();
    // Fixed size: the client area and the menu bar above it.
    layout()->setSizeConstraint(QLayout::SetFixedSize);
    load(icon);
}

void PlaylistWindow::createActions()
{
    QMenu *fileMenu = menuBar()->addMenu(tr("&File"));
    fileMenu->setObjectName(QStringLiteral("fileMenu"));
    const auto add = [this](QMenu *menu, const char *name, const QString &caption,
                            const QKeySequence &shortcut, void (PlaylistWindow::*command)()) {
        QAction *action = menu->addAction(caption, this, command);
        action->setObjectName(QLatin1String(name));
        action->setShortcut(shortcut);
        return action;
    };
    add(fileMenu, "newPlaylistAction", tr("New Playlist"), Qt::CTRL | Qt::Key_N,
        &PlaylistWindow::newPlaylist);
    add(fileMenu, "openPlaylistAction", tr("Open Playlist"), Qt::CTRL | Qt::Key_O,
        &PlaylistWindow::openPlaylist);
    add(fileMenu, "addSongAction", tr("Add Song"), Qt::CTRL | Qt::Key_A, &PlaylistWindow::addSong);
    add(fileMenu, "savePlaylistAction", tr("Save Playlist"), Qt::CTRL | Qt::Key_S,
        &PlaylistWindow::savePlaylist);
    add(fileMenu, "saveAsTextAction", tr("Save Playlist as Text"), Qt::CTRL | Qt::Key_T,
        &PlaylistWindow::saveAsText);
    add(fileMenu, "closeAction", tr("Close"), Qt::CTRL | Qt::Key_X, &PlaylistWindow::closePlaylist);

    QMenu *helpMenu = menuBar()->addMenu(tr("&Help"));
    helpMenu->setObjectName(QStringLiteral("helpMenu"));
    helpAction = add(helpMenu, "helpAction", tr("Help"), Qt::CTRL | Qt::Key_H, &PlaylistWindow::showHelp);
    add(helpMenu, "aboutAction", tr("About"), QKeySequence(), &PlaylistWindow::about);
}

void PlaylistWindow::load(const QIcon &icon)
{
    setWindowIcon(icon);
    if (!fileExists(helpPage()))
        helpAction->setEnabled(false);

    adjustSize();
    const QScreen *screen = QGuiApplication::primaryScreen();
    if (screen)
        setGeometry(
            QStyle::alignedRect(Qt::LeftToRight, Qt::AlignCenter, size(), screen->availableGeometry()));
}

void PlaylistWindow::newPlaylist()
{
    if (dialogs.messageBox(tr("Save changes to playlist?"), Dialogs::Buttons::YesNo, tr("Save Changes"))
        == Dialogs::Answer::Yes)
        savePlaylist();
    document.clear();
    songList->clear();
    setWindowTitle(MessageTitles::playlistEditor());
}

void PlaylistWindow::openPlaylist()
{
    fileDialog.setFilter(m3uFilter());
    fileDialog.showOpen();
    if (fileDialog.fileName().isEmpty())
        return;
    const int before = document.count();
    if (!succeeded(document.readPlaylist(fileDialog.fileName())))
        return;
    listEntriesFrom(before);
    setWindowTitle(MessageTitles::playlistEditor() + QStringLiteral(" - ") + fileDialog.fileTitle());
}

void PlaylistWindow::addSong()
{
    fileDialog.setFilter(tr("MP3 Files (*.mp3)|*.mp3"));
    fileDialog.showOpen();
    if (fileDialog.fileName().isEmpty())
        return;
    const int before = document.count();
    if (succeeded(
            document.appendSong(fileDialog.fileName().toLocal8Bit(), fileDialog.fileTitle().toLocal8Bit())))
        listEntriesFrom(before);
}

void PlaylistWindow::savePlaylist()
{
    save(m3uFilter(), &Playlist::writePlaylist);
}

void PlaylistWindow::saveAsText()
{
    save(tr("TXT Files (*.txt)|*.txt"), &Playlist::writeTextListing);
}

void PlaylistWindow::save(const QString &filter, PlaylistResult (Playlist::*write)(const QString &))
{
    if (document.count() == 0) {
        dialogs.messageBox(tr("No playlist to save."), Dialogs::Buttons::Ok, MessageTitles::error());
        return;
    }
    fileDialog.setFilter(filter);
    fileDialog.showSave();
    if (fileDialog.fileName().isEmpty())
        return;
    succeeded((document.*write)(fileDialog.fileName()));
}

bool PlaylistWindow::succeeded(const PlaylistResult &result)
{
    if (!result.failed())
        return true;
    dialogs.messageBox(result.failureMessage(), Dialogs::Buttons::Ok,
                       result.failure ? MessageTitles::error() : MessageTitles::playlistEditor(),
                       Dialogs::Icon::Error);
    return false;
}

QString PlaylistWindow::m3uFilter()
{
    return tr("M3U Files (*.m3u)|*.m3u");
}

void PlaylistWindow::closePlaylist()
{
    if (dialogs.messageBox(tr("Are you sure you want to close the playlist? All "
                              "unsaved changes will be lost."),
                           Dialogs::Buttons::YesNo, MessageTitles::playlistEditor())
        == Dialogs::Answer::No)
        return;
    close();
}

void PlaylistWindow::showHelp()
{
    dialogs.shellOpen(helpPage());
}

void PlaylistWindow::about()
{
    const QStringList lines{
        tr("Playlist Editor 1.0 by Arandel"),
        tr("Web: ") + MakerSite::webSiteAddress,
        tr("E-Mail: ") + MakerSite::contactEmail,
    };
    dialogs.messageBox(lines.join(QLatin1String("\r\n")), Dialogs::Buttons::Ok, tr("About"));
}

void PlaylistWindow::removeSelectedSong()
{
    const QList<QListWidgetItem *> selected = songList->selectedItems();
    if (selected.isEmpty())
        return;
    const int position = songList->row(selected.constFirst());
    document.removeEntry(position);
    delete songList->takeItem(position);
    // As a list box after RemoveItem: nothing is selected.
    songList->clearSelection();
    songList->setCurrentRow(-1);
}

void PlaylistWindow::listEntriesFrom(int position)
{
    QStringList names;
    const QList<QByteArray> &displayNames = document.displayNames();
    names.reserve(displayNames.size() - position);
    for (qsizetype i = position; i < displayNames.size(); ++i)
        names.append(QString::fromLocal8Bit(displayNames[i]));
    songList->addItems(names);
}
