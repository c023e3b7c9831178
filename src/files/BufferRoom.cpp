#include "files/BufferRoom.h"

#ifdef Q_OS_LINUX
#include <sys/mman.h>
#include <unistd.h>
#endif

namespace {

// Maps in the whole pages of [begin, end) for writing, in one call; a range
// of several MiB in pages of 2 MiB where the kernel offers them (transparent
// huge pages), which a program's fresh memory costs far less in. A smaller
// range is left in small pages: a huge page would hold much that is not its.
void mapInForWriting(char *begin, char *end)
{
#if defined(Q_OS_LINUX) && defined(MADV_POPULATE_WRITE)
    static const quintptr page = quintptr(sysconf(_SC_PAGESIZE));
    constexpr quintptr severalMegabytes = 4 * 1024 * 1024;
    const quintptr first = (quintptr(begin) + page - 1) & ~(page - 1);
    const quintptr last = quintptr(end) & ~(page - 1);
    // Advice only: where the kernel has no huge pages, has no
    // MADV_POPULATE_WRITE (before Linux 5.14) or declines, the pages come one
    // fault at a time, as they would without it, and nothing else changes.
    if (first < last) {
        void *const pages = reinterpret_cast<void *>(first);
        if (last - first >= severalMegabytes)
            madvise(pages, last - first, MADV_HUGEPAGE);
        madvise(pages, last - first, MADV_POPULATE_WRITE);
    }
#else
    Q_UNUSED(begin);
    Q_UNUSED(end);
#endif
}

} // namespace

void sizeForOverwrite(QByteArray *buffer, qsizetype size)
{
    buffer->resize(0);
    buffer->reserve(size);
    buffer->resize(size);
    mapInForWriting(buffer->data(), buffer->data() + size);
}
