#pragma once

#include "files/TextFile.h"
#include "playlist/PlaylistResult.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QList>
#include <QString>

// The playlist editor's document: an ordered list of songs, each kept as the
// path it was added or read with and as a short display name, in two aligned
// lists. Paths and names are bytes in the system code page, never decoded, so
// a path read from a file is written back byte for byte.
//
// Reading and writing go through the text-file channel. A failure, and a read
// or an add that would take the playlist past maxEntries, is returned for the
// window to show, and leaves the document as it was.
class Playlist
{
    Q_DECLARE_TR_FUNCTIONS(Playlist)

public:
    // Positions and counts are 16-bit signed integers.
    static constexpr int maxEntries = 32767;

    // The display-name rule for a line read from a playlist: the part after
    // the last "\", less its last 4 characters (whatever they are), less
    // trailing spaces. A name shorter than 4 characters is kept whole (less
    // its trailing spaces).
    static QByteArray displayNameOfLine(QByteArrayView line);
    // The rule for a song chosen in the file dialog: its title less the last
    // 4 characters, not trimmed; a title shorter than 4 characters is kept whole.
    static QByteArray displayNameOfTitle(QByteArrayView title);
    // A line that is empty or holds only spaces is not a song.
    static bool isSong(QByteArrayView line);

    // Appends the song `path` (FileName) whose file is `title` (FileTitle).
    // Refused when the playlist is full.
    PlaylistResult appendSong(const QByteArray &path, const QByteArray &title);
    // Removes the entry at `position` from both lists; nothing when there is none.
    void removeEntry(int position);
    void clear();
    int count() const { return int(names.size()); }

    // Appends an entry for every song line of the file, after those listed.
    // All or nothing: fails when the file cannot be read, and is refused when
    // it holds more songs than the playlist has room for.
    PlaylistResult readPlaylist(const QString &path);
    // Writes every path, one per CR LF line; the file is replaced atomically.
    PlaylistResult writePlaylist(const QString &path);
    // Writes every display name, one per CR LF line.
    PlaylistResult writeTextListing(const QString &path);

    const QList<QByteArray> &displayNames() const { return names; }
    const QList<QByteArray> &paths() const { return songPaths; }

private:
    PlaylistResult writeLines(const QString &path, const QList<QByteArray> &lines);
    PlaylistResult tooLong(const QString &what, qsizetype adding) const;

    TextFile channel;
    QList<QByteArray> names;     // display names, as the visible list shows them
    QList<QByteArray> songPaths; // at the same positions
};
