#pragma once

#include <QString>

#include <string>
#include <vector>

// Test-only fault injection for file operations, with no seam in the
// program: FaultInjection.cpp defines the libc functions through which Qt
// reaches files (open64, read, write, fdatasync, linkat, rename, ...) in the
// test program itself, which comes first in the dynamic linker's search, so
// Qt's and the program's calls land there and are passed on to libc (or the
// sanitizer runtime) unless a fault is due. Only paths under the watched
// folder, and descriptors opened on them, are counted; everything else
// passes untouched.
//
// A test program that uses this links it with skylyre_add_test(... FAULTS).
namespace faults {

// What a call does, as the program's install sees it.
enum class Op {
    OpenRead,   // open an existing file for reading
    OpenAppend, // open a file for appending (created if missing)
    OpenWrite,  // open a named file for writing in place (created or emptied)
    TempCreate, // create the temporary file of a replacement: O_TMPFILE in the
                // folder, or a new exclusive name (O_CREAT | O_EXCL)
    Read,       // read() on a descriptor opened under the folder
    Write,      // write() on such a descriptor
    Sync,       // fsync() or fdatasync() on such a descriptor
    Link,       // linkat(): give an unnamed temporary file a name
    Rename,     // rename(), renameat(), renameat2()
    Unlink,     // unlink(), unlinkat(): delete a file
};

// Whether `op` changes what is on disk (the calls a kill is planned at).
bool changesDisk(Op op);

const char *name(Op op);

struct Call
{
    Op op;
    std::string path; // the file, or for an O_TMPFILE create its folder
    bool failed;      // this call was made to fail
};

// The calls, one a line, for a test's failure message.
std::string describe(const std::vector<Call> &calls);

// While alive, counts the file operations under `folder` and fails those it
// is told to. One at a time per process.
class FaultInjector
{
public:
    explicit FaultInjector(const QString &folder);
    ~FaultInjector();
    FaultInjector(const FaultInjector &) = delete;
    FaultInjector &operator=(const FaultInjector &) = delete;

    // Fails the `nth` (from 1) call of `op` under the folder with `error`
    // (an errno value), and every later call of `op` while this injector
    // lives, as a device or share that has gone bad stays bad (Qt retries
    // some calls itself). The calls before it go through.
    void failFrom(Op op, int nth, int error);
    // Fails the `nth` call of `op` alone, as a passing fault would.
    void failOnly(Op op, int nth, int error);
    // Kills the process (SIGKILL, as a crash or a power cut would end it)
    // just before the `nth` call under the folder that changes the disk.
    void killBefore(int nth);
    // Every read() under the folder returns at most `bytes` bytes, as read()
    // may (a network share, a signal); 0 lifts the limit.
    void limitReads(int bytes);

    // Counting starts anew (the planned fault stays planned).
    void resetCount();
    std::vector<Call> calls() const;
    // True once the planned fault has been injected (at least once).
    bool injected() const;
};

} // namespace faults
