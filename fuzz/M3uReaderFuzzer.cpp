// Fuzzes reading an .m3u playlist: the real Playlist reads a file of
// arbitrary bytes into a document that may already hold songs, then writes it
// as a playlist and as a text listing, and reads the playlist it wrote back
// into an empty document.
//
// Input: the first byte chooses what the document holds before the read, the
// rest is the .m3u file.
//   bits 0-1  no song, one, three, or all but the number in bits 2-5 of the
//             32,767 songs a playlist holds (so that the limit is reached)
//
// Invariants, on the lines as TextFile reads them (referenceLines):
// - the display names and the paths stay two lists of the same length;
// - the songs listed before the read stay, in front;
// - every line that holds more than spaces becomes one entry, in order: its
//   path is the line less its trailing spaces, its display name follows the
//   display-name rule from the line; blank lines add nothing;
// - a read that would pass 32,767 songs adds nothing and is refused, with the
//   file named; no read fails;
// - the playlist written is every path followed by CR LF, the text listing
//   every display name followed by CR LF; reading the playlist written into
//   an empty document gives the same paths, each named by the rule (checked
//   for every document but the nearly full one, where writing and reading
//   32,000 songs would cost a hundred times the rest).

#include "playlist/Playlist.h"

#include "FuzzSupport.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <memory>

namespace {

// The display-name rule, written apart from Playlist.cpp: the part after the
// last "\", less its last 4 characters (a shorter name is kept whole), less
// trailing spaces.
QByteArray ruleName(const QByteArray &line)
{
    qsizetype lastSeparator = -1;
    for (qsizetype i = 0; i < line.size(); ++i) {
        if (line[i] == '\\')
            lastSeparator = i;
    }
    QByteArray name = line.mid(lastSeparator + 1);
    if (name.size() >= 4)
        name.chop(4);
    while (name.endsWith(' '))
        name.chop(1);
    return name;
}

bool holdsMoreThanSpaces(const QByteArray &line)
{
    for (const char c : line) {
        if (c != ' ')
            return true;
    }
    return false;
}

QByteArray withoutTrailingSpaces(QByteArray line)
{
    while (line.endsWith(' '))
        line.chop(1);
    return line;
}

QByteArray crLfLines(const QList<QByteArray> &lines)
{
    QByteArray text;
    for (const QByteArray &line : lines)
        text += line + "\r\n";
    return text;
}

void appendSongs(Playlist &playlist, int songs)
{
    for (int i = playlist.count(); playlist.count() < songs; ++i)
        require(!playlist
                     .appendSong("C:\\Tunes\\Song " + QByteArray::number(i) + ".mp3",
                                 "Song " + QByteArray::number(i) + ".mp3")
                     .failed(),
                "a song is added while there is room");
}

constexpr int nearlyFull = Playlist::maxEntries - 15;

// The document before the read. A nearly full one is filled once and
// restored after each input, as filling 32,000 songs anew would slow the run
// down a hundredfold.
Playlist &documentFor(uint8_t options, std::unique_ptr<Playlist> &fresh)
{
    static const std::unique_ptr<Playlist> full = [] {
        auto document = std::make_unique<Playlist>();
        appendSongs(*document, nearlyFull);
        return document;
    }();
    const int kind = options & 3;
    if (kind == 3) {
        appendSongs(*full, Playlist::maxEntries - ((options >> 2) & 15));
        return *full;
    }
    fresh = std::make_unique<Playlist>();
    appendSongs(*fresh, kind == 0 ? 0 : kind == 1 ? 1 : 3);
    return *fresh;
}

// Takes the nearly full document back to how it was before the input, so
// that each input frees what it took (libFuzzer looks for leaks otherwise).
void restore(Playlist &document)
{
    while (document.count() > nearlyFull)
        document.removeEntry(document.count() - 1);
}

// The playlist and the listing written are the document's lines, and the
// playlist reads back into an empty document with the same paths.
void checkWriteAndReadBack(Playlist &playlist)
{
    static const QString written = scratchFolder() + QStringLiteral("/written.m3u");
    static const QString listing = scratchFolder() + QStringLiteral("/listing.txt");
    require(!playlist.writePlaylist(written).failed(), "the playlist is written");
    const QByteArray onDisk = readFile(written);
    if (onDisk != crLfLines(playlist.paths()))
        failDiffering("the playlist written is every path and CR LF", onDisk, crLfLines(playlist.paths()));
    require(!playlist.writeTextListing(listing).failed(), "the text listing is written");
    const QByteArray listed = readFile(listing);
    if (listed != crLfLines(playlist.displayNames()))
        failDiffering("the listing is every display name and CR LF", listed,
                      crLfLines(playlist.displayNames()));

    Playlist readBack;
    require(!readBack.readPlaylist(written).failed(), "the playlist written reads back");
    require(readBack.paths() == playlist.paths(), "writing then reading back gives the same paths");
    QList<QByteArray> ruleNames;
    for (const QByteArray &path : playlist.paths())
        ruleNames.append(ruleName(path));
    require(readBack.displayNames() == ruleNames, "each path read back is named by the rule");
}

// Reads `bytes` (the file at `input`) into `playlist`, and checks what the
// read did.
void checkRead(Playlist &playlist, const QString &input, const QByteArray &bytes)
{
    const QList<QByteArray> namesBefore = playlist.displayNames();
    const QList<QByteArray> pathsBefore = playlist.paths();
    QList<QByteArray> names;
    QList<QByteArray> paths;
    for (const QByteArray &line : referenceLines(bytes)) {
        if (!holdsMoreThanSpaces(line))
            continue;
        names.append(ruleName(line));
        paths.append(withoutTrailingSpaces(line));
    }
    const qsizetype before = pathsBefore.size();
    const bool fits = before + paths.size() <= Playlist::maxEntries;

    const PlaylistResult read = playlist.readPlaylist(input);
    require(playlist.displayNames().size() == playlist.paths().size(), "the two lists have the same length");
    require(playlist.count() == playlist.paths().size(), "the count is that of the lists");
    require(!read.failure, "a read does not fail");
    require(read.failed() != fits, "a read succeeds exactly when the songs fit");
    const qsizetype after = fits ? before + paths.size() : before;
    require(playlist.count() == after, "a read adds its songs, or nothing when they do not fit");
    require(std::equal(pathsBefore.begin(), pathsBefore.end(), playlist.paths().begin())
                && std::equal(namesBefore.begin(), namesBefore.end(), playlist.displayNames().begin()),
            "the songs listed before stay in front");
    if (fits) {
        require(std::equal(paths.begin(), paths.end(), playlist.paths().begin() + before),
                "the paths are the song lines less their trailing spaces");
        require(std::equal(names.begin(), names.end(), playlist.displayNames().begin() + before),
                "the display names follow the rule from each line");
    } else {
        require(read.refusal.contains(QStringLiteral("\"input.m3u\"")), "a read past the limit says so");
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size == 0)
        return 0;
    static const QString input = scratchFolder() + QStringLiteral("/input.m3u");
    const QByteArray bytes(reinterpret_cast<const char *>(data + 1), qsizetype(size - 1));
    writeFile(input, bytes);

    std::unique_ptr<Playlist> fresh;
    Playlist &document = documentFor(data[0], fresh);
    checkRead(document, input, bytes);
    if (fresh)
        checkWriteAndReadBack(document);
    else
        restore(document);
    return 0;
}
