#include "files/SyncToDisk.h"

#include <QFile>

#include <cerrno>

#include <fcntl.h>
#include <unistd.h>

namespace {

template<typename Call> int retriedOnSignal(Call call)
{
    int result;
    do {
        result = call();
    } while (result == -1 && errno == EINTR);
    return result;
}

} // namespace

bool syncToDisk(int fd)
{
    return retriedOnSignal([fd] { return ::fdatasync(fd); }) == 0;
}

bool syncFolder(const QString &folder)
{
    const int fd = ::open(QFile::encodeName(folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd == -1)
        return false;
    const bool synced = retriedOnSignal([fd] { return ::fsync(fd); }) == 0;
    const int syncError = errno;
    ::close(fd);
    errno = syncError;
    return synced;
}
