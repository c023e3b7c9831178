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
    if (file.open(QIODevice::ReadOnly)) {
        *content = file.readAll();
        if (file.error() == QFileDevice::NoError)
            return true;
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
