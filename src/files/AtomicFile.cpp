#include "files/AtomicFile.h"

#include "files/SyncToDisk.h"
#include "files/WriteAll.h"

#include <cerrno>

AtomicFile::AtomicFile(const QString &path)
    : file(path)
{
}

bool AtomicFile::open()
{
    return file.open(QIODevice::WriteOnly | QIODevice::Unbuffered) || fail();
}

bool AtomicFile::write(QByteArrayView bytes)
{
    return writeAll(file, bytes) || fail();
}

bool AtomicFile::prepare()
{
    // QSaveFile::commit() ignores a failure of its own final flush, so a full
    // disk could leave a truncated file in place: flush and check first.
    if (!file.flush())
        return fail();
    // It ignores a failure of its sync to disk too, and would then put in the
    // old file's place a new one that may never reach the disk (a failing
    // device, a network share that went away): sync and check first.
    if (!syncToDisk(file.handle()))
        return fail(errno);
    prepared = true;
    return true;
}

bool AtomicFile::commit()
{
    if (!prepared && !prepare())
        return false;
    errno = 0;
    return file.commit() || fail(errno);
}

bool AtomicFile::fail(int systemError)
{
    QString reason = file.errorString();
    // Qt has no reason for a failed sync, nor for some failures of its own
    // (a temporary name it could not link): the system's is better than none.
    if (systemError != 0
        && (file.error() == QFileDevice::NoError || reason.isEmpty()
            || reason == QLatin1String("Unknown error")))
        reason = qt_error_string(systemError);
    lastError = {QStringLiteral("write"), file.fileName(), reason};
    file.cancelWriting();
    return false;
}
