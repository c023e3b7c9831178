#include "files/PageMapping.h"

#include <QtGlobal>

#include <sys/mman.h>
#include <unistd.h>

// A range of several MiB goes in pages of 2 MiB where the kernel offers them
// (transparent huge pages), which a program's fresh memory costs far less in.
// A smaller range is left in small pages: a huge page would hold much that is
// not its.
void mapInForWriting(char *begin, char *end)
{
#ifdef MADV_POPULATE_WRITE // Linux 5.14 and later
    static const quintptr page = quintptr(sysconf(_SC_PAGESIZE));
    constexpr quintptr severalMegabytes = 4 * 1024 * 1024;
    const quintptr first = (quintptr(begin) + page - 1) & ~(page - 1);
    const quintptr last = quintptr(end) & ~(page - 1);
    // Where the kernel has no huge pages or declines, nothing changes.
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
