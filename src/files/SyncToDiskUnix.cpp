#include "files/SyncToDisk.h"

#include <cerrno>

#include <unistd.h>

bool syncToDisk(int fd)
{
    int result;
    do {
        result = ::fdatasync(fd);
    } while (result == -1 && errno == EINTR);
    return result == 0;
}
