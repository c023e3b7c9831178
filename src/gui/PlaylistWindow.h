#pragma once

#include "dialogs/FileDialog.h"
#include "playlist/Playlist.h"

#include <QMainWindow>

class QAction;
class QIcon;
class QListWidget;
class QListWidgetItem;

// The playlist editor window: a list of display names and a menu
// that starts, opens, extends, saves and closes a playlist.
//
// The window is "loaded" when it is built and "unloaded" when it closes: it
// deletes itself on close (Qt::WA_DeleteOnClose), taking its playlist with
// it. Create it with new and keep it in a QPointer; a window built again
// starts empty. Close on the menu asks first; closing it any other way (its
// close box, the main window's exit calling close()) asks nothing.
class PlaylistWindow : public QMainWindow
{
    Q_OBJECT

public:
    // Asks the user through `dialogs` (QtDialogs in the program, scripted
    // dialogs in tests), which must outlive the window. `icon` is the main
    // window's icon.
    PlaylistWindow(Dialogs &dialogs, const QIcon &icon, QWidget *parent = nullptr);

    const Playlist &playlist() const { return document; }

    // The menu commands.
    void newPlaylist();
    void openPlaylist();
    void addSong();
    void savePlaylist();
    void saveAsText();
    void closePlaylist();
    void showHelp();
    void about();
    // Removes the selected entry, if any.
    void removeSelectedSong();

private:
    void createActions();
    void load(const QIcon &icon);
    void save(const QString &filter, PlaylistResult (Playlist::*write)(const QString &));
    // The file dialog's filter of playlists: "M3U Files (*.m3u)|*.m3u".
    static QString m3uFilter();
    // Shows why `result` failed, if it did; true when it did not.
    bool succeeded(const PlaylistResult &result);
    void listEntriesFrom(int position);

    Dialogs &dialogs;
    Playlist document;
    FileDialog fileDialog;
    QListWidget *songList = nullptr;
    QAction *helpAction = nullptr;
};
