#pragma once

#include <QDir>
#include <QString>

// A file operation that could not be done: what was tried, on which file, and
// the system's reason.
struct FileError
{
    QString action; // "read", "write", "append to"
    QString path;
    QString reason;

    QString message() const
    {
        return QStringLiteral("Could not %1 \"%2\":\r\n%3")
            .arg(action, QDir::toNativeSeparators(path), reason);
    }
};
