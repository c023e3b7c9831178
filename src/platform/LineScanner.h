#pragma once

#include <QByteArrayView>

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

    QByteArrayView bytes;
    qsizetype next = 0;
    // The bytes are looked at 64 at a time: bit i of `ends` is set when byte
    // `block` + i is a CR or an LF.
    qsizetype block = -blockSize;
    std::uint64_t ends = 0;
    static constexpr qsizetype blockSize = 64;
};
