#include "platform/AtomicFile.h"

#include "platform/FileOperations.h"

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

bool AtomicFile::commit()
{
    // QSaveFile::commit() ignores a failure of its own final flush, so a full
    // disk could leave a truncated file in place: flush and check first.
    if (!file.flush())
        return fail();
    return file.commit() || fail();
}

bool AtomicFile::fail()
{
    lastError = {QStringLiteral("write"), file.fileName(), file.errorString()};
    file.cancelWriting();
    return false;
}
