#include "files/SyncToDisk.h"

#include <cerrno>

#include <io.h>

bool syncToDisk(int fd)
{
    // Qt lends its file handle as a C runtime descriptor; _commit() flushes
    // Windows' buffers of it to the disk (FlushFileBuffers).
    if (fd == -1) {
        errno = EBADF;
        return false;
    }
    return ::_commit(fd) == 0;
}

bool syncFolder(const QString &)
{
    // Files are moved into their places write-through (MoveOverWindows.cpp):
    // each move is on disk when it returns, and a folder has nothing more to
    // flush.
    return true;
}
