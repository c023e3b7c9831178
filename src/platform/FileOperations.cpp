#include "platform/FileOperations.h"

#include "platform/AtomicFile.h"
#include "platform/FileNames.h"

#include <QFile>
#include <QFileInfo>

bool fileExists(const QString &path)
{
    const QFileInfo info(path);
    return info.isFile() && !info.isHidden();
}

bool readWholeFile(const QString &path, QByteArray *content, FileError *error)
{
    QFile file(existingCaseOf(path));
    // Only a regular file (or a link to one) has an end to read to: opening a
    // named pipe would wait for some other program to write to it, and a
    // device such as /dev/zero never ends. A folder is left to QFile.
    const QFileInfo info(file.fileName());
    if (info.exists() && !info.isFile() && !info.isDir()) {
        *error = {QStringLiteral("read"), file.fileName(), QStringLiteral("Not a regular file")};
        return false;
    }
    if (file.open(QIODevice::ReadOnly | QIODevice::Unbuffered)) {
        *content = file.readAll();
        // When a read fails after some bytes (a bad sector, a network share
        // that went away), QFile::readAll() returns those bytes without an
        // error: a truncated file would be taken for the whole. Read on until
        // a read finds the end of the file, or fails and says so.
        while (file.error() == QFileDevice::NoError) {
            const QByteArray more = file.read(64 * 1024);
            if (more.isEmpty())
                break;
            *content += more;
        }
        if (file.error() == QFileDevice::NoError)
            return true;
        content->clear();
    }
    *error = {QStringLiteral("read"), file.fileName(), file.errorString()};
    return false;
}

bool copyFile(const QString &source, const QString &destination, FileError *error)
{
    QByteArray content;
    if (!readWholeFile(source, &content, error))
        return false;

    AtomicFile out(existingCaseOf(destination));
    if (out.open() && out.write(content) && out.commit())
        return true;
    *error = out.error();
    return false;
}

bool writeAll(QFileDevice &file, QByteArrayView bytes)
{
    while (!bytes.isEmpty()) {
        const qint64 written = file.write(bytes.data(), bytes.size());
        if (written <= 0)
            return false;
        bytes = bytes.sliced(written);
    }
    return true;
}
