#include "playlist/Playlist.h"

#include <QFileInfo>
#include <QLocale>

namespace {

constexpr qsizetype extensionLength = 4; // ".mp3"

QByteArray withoutTrailingSpaces(QByteArrayView text)
{
    qsizetype end = text.size();
    while (end > 0 && text[end - 1] == ' ')
        --end;
    return text.first(end).toByteArray();
}

QByteArrayView withoutExtension(QByteArrayView name)
{
    if (name.size() < extensionLength)
        return name;
    return name.first(name.size() - extensionLength);
}

QString number(qsizetype n)
{
    return QLocale(QLocale::English).toString(qint64(n));
}

} // namespace

QByteArray Playlist::displayNameOfLine(QByteArrayView line)
{
    const QByteArrayView name = line.sliced(line.lastIndexOf('\\') + 1);
    return withoutTrailingSpaces(withoutExtension(name));
}

QByteArray Playlist::displayNameOfTitle(QByteArrayView title)
{
    return withoutExtension(title).toByteArray();
}

bool Playlist::isSong(QByteArrayView line)
{
    for (const char c : line) {
        if (c != ' ')
            return true;
    }
    return false;
}

PlaylistResult Playlist::appendSong(const QByteArray &path, const QByteArray &title)
{
    if (count() >= maxEntries)
        return tooLong(tr("Adding \"%1\"").arg(QString::fromLocal8Bit(title)), 1);
    names.append(displayNameOfTitle(title));
    songPaths.append(path);
    return {};
}

void Playlist::removeEntry(int position)
{
    if (position < 0 || position >= count())
        return;
    names.removeAt(position);
    songPaths.removeAt(position);
}

void Playlist::clear()
{
    names.clear();
    songPaths.clear();
}

PlaylistResult Playlist::readPlaylist(const QString &path)
{
    if (!channel.openTextFile(path, TextFile::Mode::Input))
        return {.failure = channel.error()};
    QList<QByteArray> readNames;
    QList<QByteArray> readPaths;
    while (!channel.endOfFile()) {
        const QByteArray line = channel.readLine();
        if (!isSong(line))
            continue;
        readNames.append(displayNameOfLine(line));
        readPaths.append(withoutTrailingSpaces(line));
    }
    if (!channel.closeFile())
        return {.failure = channel.error()};
    if (readPaths.size() > maxEntries - count())
        return tooLong(tr("Opening \"%1\"").arg(QFileInfo(path).fileName()), readPaths.size());
    names.append(readNames);
    songPaths.append(readPaths);
    return {};
}

PlaylistResult Playlist::writePlaylist(const QString &path)
{
    return writeLines(path, songPaths);
}

PlaylistResult Playlist::writeTextListing(const QString &path)
{
    return writeLines(path, names);
}

PlaylistResult Playlist::writeLines(const QString &path, const QList<QByteArray> &lines)
{
    if (channel.openTextFile(path, TextFile::Mode::Output)) {
        for (const QByteArray &line : lines)
            channel.writeLine(line);
        if (channel.closeFile())
            return {};
    }
    return {.failure = channel.error()};
}

PlaylistResult Playlist::tooLong(const QString &what, qsizetype adding) const
{
    return {.refusal = tr("%1 would give the playlist %2 songs, but it can hold at most %3.\r\nNothing was "
                          "added.")
                           .arg(what, number(count() + adding), number(maxEntries))};
}
