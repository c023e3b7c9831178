#include "platform/BufferRoom.h"

#ifdef Q_OS_LINUX
#include <sys/mman.h>
#include <unistd.h>
#endif

namespace {

// Maps in the whole pages of [begin, end) for writing, in one call.
void mapInForWriting(char *begin, char *end)
{
#if defined(Q_OS_LINUX) && defined(MADV_POPULATE_WRITE)
    static const quintptr page = quintptr(sysconf(_SC_PAGESIZE));
    const quintptr first = (quintptr(begin) + page - 1) & ~(page - 1);
    const quintptr last = quintptr(end) & ~(page - 1);
    // Advice only: where the kernel has no MADV_POPULATE_WRITE (before
    // Linux 5.14) or declines, the pages come one fault at a time, as they
    // would without it, and nothing else changes.
    if (first < last)
        madvise(reinterpret_cast<void *>(first), last - first, MADV_POPULATE_WRITE);
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
