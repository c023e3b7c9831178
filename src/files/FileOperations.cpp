#include "files/FileOperations.h"

#include "files/AtomicFile.h"
#include "files/FileNames.h"

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
        *error = {QStringLiteral("read"), file.fileName(), FileError::tr("Not a regular file")};
        return false;
    }
    if (file.open(QIODevice::ReadOnly | QIODevice::Unbuffered)) {
        // reserve() first: resize() alone rounds a large room up to where glibc maps it afresh on each read.
        content->reserve(qsizetype(file.size()));
        content->resize(qsizetype(file.size()));
        qsizetype got = 0;
        // Reads until a read finds the end of the file, or fails and says so.
        // QFile::readAll() would not do: when a read fails after some bytes
        // (a bad sector, a network share that went away), it returns those
        // bytes without an error, and a truncated file passes for the whole.
        for (;;) {
            if (got < content->size()) {
                const qint64 read = file.read(content->data() + got, content->size() - got);
                if (read <= 0)
                    break;
                got += qsizetype(read);
            } else {
                char more[16 * 1024]; // the end, or the file has grown
                const qint64 read = file.read(more, sizeof more);
                if (read <= 0)
                    break;
                content->append(more, qsizetype(read));
                got += qsizetype(read);
            }
        }
        content->resize(got);
        if (file.error() == QFileDevice::NoError)
            return true;
        content->resize(0);
    }
    *error = {QStringLiteral("read"), file.fileName(), file.errorString()};
    return false;
}

bool writeWholeFile(const QString &path, QByteArrayView bytes, FileError *error)
{
    AtomicFile out(existingCaseOf(path));
    if (out.open() && out.write(bytes) && out.commit())
        return true;
    *error = out.error();
    return false;
}

bool removeFile(const QString &path, FileError *error)
{
    QFile file(path);
    if (file.remove())
        return true;
    *error = {QStringLiteral("delete"), path, file.errorString()};
    return false;
}
