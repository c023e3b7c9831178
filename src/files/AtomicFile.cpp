#include "files/AtomicFile.h"

#include "files/MoveOver.h"
#include "files/SyncToDisk.h"
#include "files/TemporaryFiles.h"
#include "files/WriteAll.h"

#include <QCoreApplication>
#include <QFileInfo>

#include <cerrno>

namespace {

// The file a link leads to, through any number of links.
QString linkTargetOf(const QString &path)
{
    QFileInfo file(path);
    for (int depth = 0; depth < 128 && file.isSymLink(); ++depth)
        file.setFile(file.symLinkTarget());
    return file.isSymLink() ? path : file.filePath();
}

} // namespace

AtomicFile::AtomicFile(const QString &path)
    : target(linkTargetOf(path))
{
}

AtomicFile::~AtomicFile()
{
    if (!temporary.fileName().isEmpty())
        temporary.remove();
}

bool AtomicFile::open()
{
    const QFileInfo existing(target);
    if (existing.isDir())
        return fail(QCoreApplication::translate("AtomicFile", "It is a folder"));
    if (existing.exists() && !existing.isFile())
        return fail(QCoreApplication::translate("AtomicFile", "It is not a regular file"));
    if (existing.exists() && !existing.isWritable())
        return fail(QCoreApplication::translate("AtomicFile", "The file is not writable"));
    if (!createTemporaryFile())
        return false;
    // As the old file was, not as a new one would be.
    if (existing.exists() && !temporary.setPermissions(existing.permissions()))
        return fail();
    return true;
}

bool AtomicFile::createTemporaryFile()
{
    // A name met by chance is tried again under another.
    for (int attempt = 0; attempt < 100; ++attempt) {
        temporary.setFileName(TemporaryFiles::nameBeside(target));
        if (temporary.open(QIODevice::WriteOnly | QIODevice::NewOnly | QIODevice::Unbuffered))
            return true;
        if (!QFileInfo::exists(temporary.fileName()))
            break;
    }
    const QString reason = temporary.errorString();
    temporary.setFileName({});
    return fail(reason);
}

bool AtomicFile::write(QByteArrayView bytes)
{
    return writeAll(temporary, bytes) || fail();
}

bool AtomicFile::prepare()
{
    if (!temporary.flush())
        return fail();
    if (!syncToDisk(temporary.handle()))
        return fail(errno);
    prepared = true;
    return true;
}

bool AtomicFile::commit()
{
    if (!prepared && !prepare())
        return false;
    temporary.close();
    QString reason;
    if (!moveOver(temporary.fileName(), target, &reason))
        return fail(reason);
    temporary.setFileName({});
    return true;
}

bool AtomicFile::fail(const QString &reason)
{
    lastError = {QStringLiteral("write"), target, reason.isEmpty() ? temporary.errorString() : reason};
    if (!temporary.fileName().isEmpty()) {
        temporary.close();
        temporary.remove();
        temporary.setFileName({});
    }
    return false;
}

bool AtomicFile::fail(int systemError)
{
    // Qt has no reason for a failed sync: the system's is better than none.
    return fail(temporary.error() == QFileDevice::NoError ? qt_error_string(systemError) : QString());
}
