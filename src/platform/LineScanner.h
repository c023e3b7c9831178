#pragma once

#include <QByteArrayView>

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
    qsizetype nextOf(char c, qsizetype from) const;

    QByteArrayView bytes;
    qsizetype next = 0;
    // Where the next CR and the next LF at or after `next` are (the size
    // when there is none), found once each: -1 until looked for.
    qsizetype nextCr = -1;
    qsizetype nextLf = -1;
};
