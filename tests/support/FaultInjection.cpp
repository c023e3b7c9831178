// The libc functions that Qt 6.4 and the program call to read, replace and
// delete files, defined in the test program so that they come before libc in
// the dynamic linker's search (the program is linked with -rdynamic for
// that). Found with `strace` and `nm -D --undefined-only libQt6Core.so.6`:
//
//   QFile::open (read, append)        open64
//   QFile::read, readAll              read
//   QFile::write (unbuffered)         write
//   QFile::open(NewOnly)              open64("name.skylyre-XXXXXX.tmp",
//                                     O_CREAT | O_EXCL), AtomicFile's
//   syncToDisk                        fdatasync
//   moveOver                          rename
//   QFile::remove                     unlink
//
// openat, openat64, fsync, linkat, renameat, renameat2 and unlinkat are
// covered as well, so that a Qt that switches to them (O_TMPFILE and linkat
// are QSaveFile's) is still seen. Each call on a path under the watched folder
// (or a descriptor opened on one) is counted, and the planned one fails with
// its errno, as if the system had refused it, or kills the process.

#include "FaultInjection.h"

#include <dlfcn.h>
#include <fcntl.h>
#include <stdio.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <csignal>
#include <cstdarg>
#include <cstring>
#include <mutex>

namespace faults {
namespace {

constexpr int maxDescriptors = 4096;

struct State
{
    std::mutex mutex;
    bool armed = false;
    std::string folder; // with a trailing '/'
    Op plannedOp = Op::OpenRead;
    int plannedNth = 0; // 0: nothing planned
    int plannedError = 0;
    bool plannedOnce = false;
    bool injected = false;
    int killAt = 0; // 0: no kill planned
    int diskChanges = 0;
    int readLimit = 0;
    int counts[int(Op::Unlink) + 1] = {};
    std::vector<Call> calls;
    bool tracked[maxDescriptors] = {};
    std::string paths[maxDescriptors];
};

State &state()
{
    static State instance;
    return instance;
}

// Constant-initialised, so that calls made before main() pass straight on.
std::atomic<bool> everArmed = false;

bool isUnder(const State &s, const char *path)
{
    return path && std::strncmp(path, s.folder.data(), s.folder.size()) == 0;
}

bool isUnderOrIs(const State &s, const char *path)
{
    if (!path)
        return false;
    if (isUnder(s, path))
        return true;
    // An O_TMPFILE create names the folder itself, without the trailing '/'.
    return std::strlen(path) + 1 == s.folder.size()
        && std::strncmp(path, s.folder.data(), s.folder.size() - 1) == 0;
}

// Counts a call; returns the errno it must fail with, or 0 to let it through.
int count(State &s, Op op, const char *path)
{
    if (changesDisk(op) && ++s.diskChanges == s.killAt)
        std::raise(SIGKILL);
    const int nth = ++s.counts[int(op)];
    const bool fail =
        s.plannedNth != 0 && op == s.plannedOp && (s.plannedOnce ? nth == s.plannedNth : nth >= s.plannedNth);
    s.calls.push_back({op, path ? path : "", fail});
    if (!fail)
        return 0;
    s.injected = true;
    return s.plannedError;
}

template<typename Function> Function real(const char *symbol)
{
    return reinterpret_cast<Function>(dlsym(RTLD_NEXT, symbol));
}

bool isTmpFile(int flags)
{
    return (flags & O_TMPFILE) == O_TMPFILE;
}

bool takesMode(int flags)
{
    return (flags & O_CREAT) != 0 || isTmpFile(flags);
}

// Decides about an open: 0 lets it through (and `track` says whether to
// follow the descriptor), an errno fails it.
int beforeOpen(const char *path, int flags, bool *track, Op *op)
{
    *track = false;
    if (!everArmed)
        return 0;
    State &s = state();
    std::lock_guard lock(s.mutex);
    if (!s.armed || !isUnderOrIs(s, path))
        return 0;
    if (isTmpFile(flags)) {
        *op = Op::TempCreate;
    } else if ((flags & O_DIRECTORY) != 0) {
        return 0; // listing a folder
    } else if ((flags & O_CREAT) != 0 && (flags & O_EXCL) != 0) {
        *op = Op::TempCreate;
    } else if ((flags & O_APPEND) != 0) {
        *op = Op::OpenAppend;
    } else if ((flags & O_ACCMODE) != O_RDONLY) {
        *op = Op::OpenWrite;
    } else {
        *op = Op::OpenRead;
    }
    *track = true;
    return count(s, *op, path);
}

void afterOpen(int fd, const char *path, bool track)
{
    if (!track || fd < 0 || fd >= maxDescriptors)
        return;
    State &s = state();
    std::lock_guard lock(s.mutex);
    s.tracked[fd] = true;
    s.paths[fd] = path;
}

int beforeDescriptorCall(int fd, Op op, size_t *size = nullptr)
{
    if (!everArmed || fd < 0 || fd >= maxDescriptors)
        return 0;
    State &s = state();
    std::lock_guard lock(s.mutex);
    if (!s.armed || !s.tracked[fd])
        return 0;
    if (size && s.readLimit > 0 && *size > size_t(s.readLimit))
        *size = size_t(s.readLimit);
    return count(s, op, s.paths[fd].c_str());
}

int beforePathCall(const char *path, Op op)
{
    if (!everArmed)
        return 0;
    State &s = state();
    std::lock_guard lock(s.mutex);
    if (!s.armed || !isUnder(s, path))
        return 0;
    return count(s, op, path);
}

using Open = int (*)(const char *, int, ...);
using OpenAt = int (*)(int, const char *, int, ...);

int openWith(Open next, const char *path, int flags, mode_t mode)
{
    bool track = false;
    Op op;
    if (const int error = beforeOpen(path, flags, &track, &op)) {
        errno = error;
        return -1;
    }
    const int fd = next(path, flags, mode);
    afterOpen(fd, path, track);
    return fd;
}

// Relative to a folder descriptor: counted only for absolute paths, which is
// how Qt names files.
int openAtWith(OpenAt next, int dirfd, const char *path, int flags, mode_t mode)
{
    bool track = false;
    Op op;
    const bool absolute = path && path[0] == '/';
    if (absolute) {
        if (const int error = beforeOpen(path, flags, &track, &op)) {
            errno = error;
            return -1;
        }
    }
    const int fd = next(dirfd, path, flags, mode);
    afterOpen(fd, path, track);
    return fd;
}

mode_t modeArgument(int flags, va_list arguments)
{
    return takesMode(flags) ? mode_t(va_arg(arguments, int)) : 0;
}

} // namespace

const char *name(Op op)
{
    switch (op) {
    case Op::OpenRead:
        return "open for reading";
    case Op::OpenAppend:
        return "open for appending";
    case Op::OpenWrite:
        return "open for writing";
    case Op::TempCreate:
        return "create temporary file";
    case Op::Read:
        return "read";
    case Op::Write:
        return "write";
    case Op::Sync:
        return "sync";
    case Op::Link:
        return "link";
    case Op::Rename:
        return "rename";
    case Op::Unlink:
        return "unlink";
    }
    return "?";
}

bool changesDisk(Op op)
{
    switch (op) {
    case Op::OpenRead:
    case Op::Read:
        return false;
    case Op::OpenAppend:
    case Op::OpenWrite:
    case Op::TempCreate:
    case Op::Write:
    case Op::Sync:
    case Op::Link:
    case Op::Rename:
    case Op::Unlink:
        return true;
    }
    return true;
}

std::string describe(const std::vector<Call> &calls)
{
    std::string text;
    for (const Call &call : calls)
        text += std::string("  ") + name(call.op) + " " + call.path + (call.failed ? " (failed)" : "") + "\n";
    return text;
}

FaultInjector::FaultInjector(const QString &folder)
{
    State &s = state();
    std::lock_guard lock(s.mutex);
    s.folder = folder.toStdString();
    if (s.folder.empty() || s.folder.back() != '/')
        s.folder += '/';
    s.killAt = 0;
    s.diskChanges = 0;
    s.readLimit = 0;
    s.plannedNth = 0;
    s.injected = false;
    std::fill(std::begin(s.counts), std::end(s.counts), 0);
    s.calls.clear();
    std::fill(std::begin(s.tracked), std::end(s.tracked), false);
    s.armed = true;
    everArmed = true;
}

FaultInjector::~FaultInjector()
{
    State &s = state();
    std::lock_guard lock(s.mutex);
    s.armed = false;
}

void FaultInjector::failFrom(Op op, int nth, int error)
{
    State &s = state();
    std::lock_guard lock(s.mutex);
    s.plannedOp = op;
    s.plannedNth = nth;
    s.plannedError = error;
    s.plannedOnce = false;
    s.injected = false;
}

void FaultInjector::failOnly(Op op, int nth, int error)
{
    failFrom(op, nth, error);
    State &s = state();
    std::lock_guard lock(s.mutex);
    s.plannedOnce = true;
}

void FaultInjector::limitReads(int bytes)
{
    State &s = state();
    std::lock_guard lock(s.mutex);
    s.readLimit = bytes;
}

void FaultInjector::killBefore(int nth)
{
    State &s = state();
    std::lock_guard lock(s.mutex);
    s.killAt = nth;
}

void FaultInjector::resetCount()
{
    State &s = state();
    std::lock_guard lock(s.mutex);
    std::fill(std::begin(s.counts), std::end(s.counts), 0);
    s.diskChanges = 0;
    s.calls.clear();
}

std::vector<Call> FaultInjector::calls() const
{
    State &s = state();
    std::lock_guard lock(s.mutex);
    return s.calls;
}

bool FaultInjector::injected() const
{
    State &s = state();
    std::lock_guard lock(s.mutex);
    return s.injected;
}

} // namespace faults

using namespace faults;

extern "C" {

int open(const char *path, int flags, ...)
{
    va_list arguments;
    va_start(arguments, flags);
    const mode_t mode = modeArgument(flags, arguments);
    va_end(arguments);
    static const Open next = real<Open>("open");
    return openWith(next, path, flags, mode);
}

int open64(const char *path, int flags, ...)
{
    va_list arguments;
    va_start(arguments, flags);
    const mode_t mode = modeArgument(flags, arguments);
    va_end(arguments);
    static const Open next = real<Open>("open64");
    return openWith(next, path, flags, mode);
}

int openat(int dirfd, const char *path, int flags, ...)
{
    va_list arguments;
    va_start(arguments, flags);
    const mode_t mode = modeArgument(flags, arguments);
    va_end(arguments);
    static const OpenAt next = real<OpenAt>("openat");
    return openAtWith(next, dirfd, path, flags, mode);
}

int openat64(int dirfd, const char *path, int flags, ...)
{
    va_list arguments;
    va_start(arguments, flags);
    const mode_t mode = modeArgument(flags, arguments);
    va_end(arguments);
    static const OpenAt next = real<OpenAt>("openat64");
    return openAtWith(next, dirfd, path, flags, mode);
}

ssize_t read(int fd, void *buffer, size_t size)
{
    if (const int error = beforeDescriptorCall(fd, Op::Read, &size)) {
        errno = error;
        return -1;
    }
    using Read = ssize_t (*)(int, void *, size_t);
    static const Read next = real<Read>("read");
    return next(fd, buffer, size);
}

ssize_t write(int fd, const void *buffer, size_t size)
{
    if (const int error = beforeDescriptorCall(fd, Op::Write)) {
        errno = error;
        return -1;
    }
    using Write = ssize_t (*)(int, const void *, size_t);
    static const Write next = real<Write>("write");
    return next(fd, buffer, size);
}

int fsync(int fd)
{
    if (const int error = beforeDescriptorCall(fd, Op::Sync)) {
        errno = error;
        return -1;
    }
    using Sync = int (*)(int);
    static const Sync next = real<Sync>("fsync");
    return next(fd);
}

int fdatasync(int fd)
{
    if (const int error = beforeDescriptorCall(fd, Op::Sync)) {
        errno = error;
        return -1;
    }
    using Sync = int (*)(int);
    static const Sync next = real<Sync>("fdatasync");
    return next(fd);
}

int close(int fd)
{
    if (everArmed && fd >= 0 && fd < maxDescriptors) {
        State &s = state();
        std::lock_guard lock(s.mutex);
        s.tracked[fd] = false;
    }
    using Close = int (*)(int);
    static const Close next = real<Close>("close");
    return next(fd);
}

int linkat(int olddirfd, const char *oldpath, int newdirfd, const char *newpath, int flags) noexcept
{
    if (const int error = beforePathCall(newpath, Op::Link)) {
        errno = error;
        return -1;
    }
    using LinkAt = int (*)(int, const char *, int, const char *, int);
    static const LinkAt next = real<LinkAt>("linkat");
    return next(olddirfd, oldpath, newdirfd, newpath, flags);
}

int rename(const char *oldpath, const char *newpath) noexcept
{
    if (const int error = beforePathCall(newpath, Op::Rename)) {
        errno = error;
        return -1;
    }
    using Rename = int (*)(const char *, const char *);
    static const Rename next = real<Rename>("rename");
    return next(oldpath, newpath);
}

int renameat(int olddirfd, const char *oldpath, int newdirfd, const char *newpath) noexcept
{
    if (const int error = beforePathCall(newpath, Op::Rename)) {
        errno = error;
        return -1;
    }
    using RenameAt = int (*)(int, const char *, int, const char *);
    static const RenameAt next = real<RenameAt>("renameat");
    return next(olddirfd, oldpath, newdirfd, newpath);
}

int renameat2(int olddirfd, const char *oldpath, int newdirfd, const char *newpath,
              unsigned int flags) noexcept
{
    if (const int error = beforePathCall(newpath, Op::Rename)) {
        errno = error;
        return -1;
    }
    using RenameAt2 = int (*)(int, const char *, int, const char *, unsigned int);
    static const RenameAt2 next = real<RenameAt2>("renameat2");
    return next(olddirfd, oldpath, newdirfd, newpath, flags);
}

int unlink(const char *path) noexcept
{
    if (const int error = beforePathCall(path, Op::Unlink)) {
        errno = error;
        return -1;
    }
    using Unlink = int (*)(const char *);
    static const Unlink next = real<Unlink>("unlink");
    return next(path);
}

int unlinkat(int dirfd, const char *path, int flags) noexcept
{
    if (const int error = beforePathCall(path, Op::Unlink)) {
        errno = error;
        return -1;
    }
    using UnlinkAt = int (*)(int, const char *, int);
    static const UnlinkAt next = real<UnlinkAt>("unlinkat");
    return next(dirfd, path, flags);
}

} // extern "C"
