#include "gui/PlaylistWindow.h"

#include "update/MakerSite.h"
#include "gui/Twips.h"
#include "files/FileOperations.h"

#include <QGuiApplication>
#include <QIcon>
#include <QLayout>
#include <QListWidget>
#include <QMenuBar>
#include <QScreen>
#include <QStyle>

namespace {

const QString editorTitle = QStringLiteral("Playlist Editor");
const QString m3uFilter = QStringLiteral("M3U Files (*.m3u)|*.m3u");

} // namespace

PlaylistWindow::PlaylistWindow(Dialogs &dialogs, const QIcon &icon, QWidget *parent)
    : QMainWindow(parent, Qt::Window | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint
                              | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint
                              | Qt::WindowCloseButtonHint)
    , dialogs(dialogs)
    , document(dialogs)
    , CD1(dialogs)
{
    setObjectName(QStringLiteral("frmPlayList"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(editorTitle);

    auto *client = new QWidget(this);
    client->setFixedSize(twipsRect(0, 0, 3975, 2430).size());
    setCentralWidget(client);

    lstPl = new QListWidget(client);
    lstPl->setObjectName(QStringLiteral("lstPl"));
    lstPl->setGeometry(twipsRect(0, 0, 3975, 2400));
    lstPl->setSelectionMode(QAbstractItemView::SingleSelection);
    lstPl->setSortingEnabled(false);
    // Every row is one line of text in the list's font: saying so spares the
    // view measuring each of up to 32,767 rows when a playlist is opened.
    lstPl->setUniformItemSizes(true);
    connect(lstPl, &QListWidget::itemDoubleClicked, this, [this] { lstPlDoubleClick(); });

    createActions();
    // Fixed size: the client area and the menu bar above it.
    layout()->setSizeConstraint(QLayout::SetFixedSize);
    load(icon);
}

void PlaylistWindow::createActions()
{
    QMenu *mnuFile = menuBar()->addMenu(QStringLiteral("&File"));
    mnuFile->setObjectName(QStringLiteral("mnuFile"));
    const auto add = [this](QMenu *menu, const char *name, const QString &caption,
                            const QKeySequence &shortcut, void (PlaylistWindow::*command)()) {
        QAction *action = menu->addAction(caption, this, command);
        action->setObjectName(QLatin1String(name));
        action->setShortcut(shortcut);
        return action;
    };
    add(mnuFile, "mnuNew", QStringLiteral("New Playlist"), Qt::CTRL | Qt::Key_N,
        &PlaylistWindow::mnuNewClick);
    add(mnuFile, "mnuOpen", QStringLiteral("Open Playlist"), Qt::CTRL | Qt::Key_O,
        &PlaylistWindow::mnuOpenClick);
    add(mnuFile, "mnuAdd", QStringLiteral("Add Song"), Qt::CTRL | Qt::Key_A,
        &PlaylistWindow::mnuAddClick);
    add(mnuFile, "mnuSave", QStringLiteral("Save Playlist"), Qt::CTRL | Qt::Key_S,
        &PlaylistWindow::mnuSaveClick);
    add(mnuFile, "mnuSaveT", QStringLiteral("Save Playlist as Text"), Qt::CTRL | Qt::Key_T,
        &PlaylistWindow::mnuSaveTClick);
    add(mnuFile, "mnuClose", QStringLiteral("Close"), Qt::CTRL | Qt::Key_X,
        &PlaylistWindow::mnuCloseClick);

    QMenu *mnuHelpM = menuBar()->addMenu(QStringLiteral("&Help"));
    mnuHelpM->setObjectName(QStringLiteral("mnuHelpM"));
    mnuHelp = add(mnuHelpM, "mnuHelp", QStringLiteral("Help"), Qt::CTRL | Qt::Key_H,
                  &PlaylistWindow::mnuHelpClick);
    add(mnuHelpM, "mnuAbout", QStringLiteral("About"), QKeySequence(),
        &PlaylistWindow::mnuAboutClick);
}

void PlaylistWindow::load(const QIcon &icon)
{
    setWindowIcon(icon);
    if (!fileExists(QStringLiteral("help.htm")))
        mnuHelp->setEnabled(false);

    adjustSize();
    const QScreen *screen = QGuiApplication::primaryScreen();
    if (screen)
        setGeometry(QStyle::alignedRect(Qt::LeftToRight, Qt::AlignCenter, size(),
                                        screen->availableGeometry()));
}

void PlaylistWindow::mnuNewClick()
{
    if (dialogs.messageBox(QStringLiteral("Save changes to playlist?"), Dialogs::Buttons::YesNo,
                           QStringLiteral("Save Changes"))
        == Dialogs::Answer::Yes)
        mnuSaveClick();
    document.clear();
    lstPl->clear();
    setWindowTitle(editorTitle);
}

void PlaylistWindow::mnuOpenClick()
{
    CD1.setFilter(m3uFilter);
    CD1.showOpen();
    if (CD1.fileName().isEmpty())
        return;
    const int before = document.count();
    if (!document.readPlaylist(CD1.fileName()))
        return;
    listEntriesFrom(before);
    setWindowTitle(editorTitle + QStringLiteral(" - ") + CD1.fileTitle());
}

void PlaylistWindow::mnuAddClick()
{
    CD1.setFilter(QStringLiteral("MP3 Files (*.mp3)|*.mp3"));
    CD1.showOpen();
    if (CD1.fileName().isEmpty())
        return;
    const int before = document.count();
    if (document.appendSong(CD1.fileName().toLocal8Bit(), CD1.fileTitle().toLocal8Bit()))
        listEntriesFrom(before);
}

void PlaylistWindow::mnuSaveClick()
{
    save(m3uFilter, &Playlist::writePlaylist);
}

void PlaylistWindow::mnuSaveTClick()
{
    save(QStringLiteral("TXT Files (*.txt)|*.txt"), &Playlist::writeTextListing);
}

void PlaylistWindow::save(const QString &filter, bool (Playlist::*write)(const QString &))
{
    if (document.count() == 0) {
        dialogs.messageBox(QStringLiteral("No playlist to save."), Dialogs::Buttons::Ok, QStringLiteral("Error"));
        return;
    }
    CD1.setFilter(filter);
    CD1.showSave();
    if (CD1.fileName().isEmpty())
        return;
    (document.*write)(CD1.fileName());
}

void PlaylistWindow::mnuCloseClick()
{
    if (dialogs.messageBox(QStringLiteral("Are you sure you want to close the playlist? All "
                                          "unsaved changes will be lost."),
                           Dialogs::Buttons::YesNo, editorTitle)
        == Dialogs::Answer::No)
        return;
    close();
}

void PlaylistWindow::mnuHelpClick()
{
    dialogs.shellOpen(QStringLiteral("help.htm"));
}

void PlaylistWindow::mnuAboutClick()
{
    const QStringList lines{
        QStringLiteral("Playlist Editor 1.0 by Arandel"),
        QStringLiteral("Web: ") + MakerSite::webSiteAddress,
        QStringLiteral("E-Mail: ") + MakerSite::contactEmail,
    };
    dialogs.messageBox(lines.join(QLatin1String("\r\n")), Dialogs::Buttons::Ok, QStringLiteral("About"));
}

void PlaylistWindow::lstPlDoubleClick()
{
    const QList<QListWidgetItem *> selected = lstPl->selectedItems();
    if (selected.isEmpty())
        return;
    const int position = lstPl->row(selected.constFirst());
    document.removeEntry(position);
    delete lstPl->takeItem(position);
    // As a list box after RemoveItem: nothing is selected.
    lstPl->clearSelection();
    lstPl->setCurrentRow(-1);
}

void PlaylistWindow::listEntriesFrom(int position)
{
    QStringList names;
    const QList<QByteArray> &displayNames = document.displayNames();
    names.reserve(displayNames.size() - position);
    for (qsizetype i = position; i < displayNames.size(); ++i)
        names.append(QString::fromLocal8Bit(displayNames[i]));
    lstPl->addItems(names);
}
