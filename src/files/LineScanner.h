#pragma once

#include <QByteArrayView>

#include <algorithm>
#include <bit>
#include <cstdint>

// Splits bytes into lines as the text-file channel reads them. A line ends at
// CR LF, at a lone CR or at a lone LF; the terminator is not part of the line,
// a last line without one is returned whole, and bytes that end in a
// terminator have no extra empty last line.
class LineScanner
{
public:
    explicit LineScanner(QByteArrayView bytes = {});

    bool atEnd() const { return next >= bytes.size(); }
    // The next line: a view of the bytes, empty once at the end.
    QByteArrayView nextLine();
    // Where the line after the one returned last starts: the line's
    // terminator lies between the line's end and here.
    qsizetype position() const { return next; }

private:
    qsizetype lineEndFrom(qsizetype from);
    static std::uint64_t lineEndBits(const char *bytes, qsizetype count);

    QByteArrayView bytes;
    qsizetype next = 0;
    // The bytes are looked at 64 at a time: bit i of `ends` is set when byte
    // `block` + i is a CR or an LF.
    qsizetype block = -blockSize;
    std::uint64_t ends = 0;
    static constexpr qsizetype blockSize = 64;
    static constexpr char CR = '\r';
    static constexpr char LF = '\n';
};

// Inline: the rewrite of a large aircraft.cfg calls it for each line.
inline QByteArrayView LineScanner::nextLine()
{
    const qsizetype size = bytes.size();
    const qsizetype start = std::min(next, size);
    const qsizetype end = lineEndFrom(start);
    next = end;
    if (end < size) {
        const bool crlf = bytes[end] == CR && end + 1 < size && bytes[end + 1] == LF;
        next += crlf ? 2 : 1;
    }
    return bytes.sliced(start, end - start);
}

// The first CR or LF at or after `from`, or the size when there is none.
inline qsizetype LineScanner::lineEndFrom(qsizetype from)
{
    const qsizetype size = bytes.size();
    while (from < size) {
        if (from >= block + blockSize) {
            block = from - from % blockSize;
            ends = lineEndBits(bytes.data() + block, std::min(blockSize, size - block));
        }
        const std::uint64_t ahead = ends & (~std::uint64_t(0) << (from - block));
        if (ahead != 0)
            return block + std::countr_zero(ahead);
        from = block + blockSize;
    }
    return size;
}
