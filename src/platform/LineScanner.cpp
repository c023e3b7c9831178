#include "platform/LineScanner.h"

#include <algorithm>
#include <bit>

#ifdef __SSE2__
#include <emmintrin.h>
#endif

namespace {

constexpr char CR = '\r';
constexpr char LF = '\n';

// One bit for each of the `count` bytes at `bytes` (at most 64), set where the
// byte is a CR or an LF.
std::uint64_t lineEndBits(const char *bytes, qsizetype count)
{
#ifdef __SSE2__
    // Sixteen bytes compared at once: the split into lines then costs little
    // more than reading the bytes.
    if (count == 64) {
        const __m128i cr = _mm_set1_epi8(CR);
        const __m128i lf = _mm_set1_epi8(LF);
        std::uint64_t bits = 0;
        for (int i = 0; i < 4; ++i) {
            const __m128i sixteen = _mm_loadu_si128(reinterpret_cast<const __m128i *>(bytes) + i);
            const __m128i ends = _mm_or_si128(_mm_cmpeq_epi8(sixteen, cr), _mm_cmpeq_epi8(sixteen, lf));
            bits |= std::uint64_t(unsigned(_mm_movemask_epi8(ends))) << (16 * i);
        }
        return bits;
    }
#endif
    std::uint64_t bits = 0;
    for (qsizetype i = 0; i < count; ++i)
        bits |= std::uint64_t(bytes[i] == CR || bytes[i] == LF) << i;
    return bits;
}

} // namespace

LineScanner::LineScanner(QByteArrayView bytes)
    : bytes(bytes)
{
}

QByteArrayView LineScanner::nextLine()
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
qsizetype LineScanner::lineEndFrom(qsizetype from)
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
