#include "platform/LineScanner.h"

#include <algorithm>
#include <cstring>

namespace {
constexpr char CR = '\r';
constexpr char LF = '\n';
} // namespace

LineScanner::LineScanner(QByteArrayView bytes)
    : bytes(bytes)
{
}

QByteArrayView LineScanner::nextLine()
{
    // The line ends at the first CR or LF. Each is searched for with memchr
    // only once it lies behind, so that bytes holding only one kind of line
    // end are still read in one sweep.
    const char *const data = bytes.data();
    const qsizetype size = bytes.size();
    const qsizetype start = std::min(next, size);
    if (nextCr < start)
        nextCr = nextOf(CR, start);
    if (nextLf < start)
        nextLf = nextOf(LF, start);
    const qsizetype end = std::min(nextCr, nextLf);
    next = end;
    if (end < size) {
        const bool crlf = data[end] == CR && end + 1 < size && data[end + 1] == LF;
        next += crlf ? 2 : 1;
    }
    return bytes.sliced(start, end - start);
}

qsizetype LineScanner::nextOf(char c, qsizetype from) const
{
    if (from >= bytes.size())
        return bytes.size();
    const char *const data = bytes.data();
    const void *found = std::memchr(data + from, c, size_t(bytes.size() - from));
    return found ? static_cast<const char *>(found) - data : bytes.size();
}
