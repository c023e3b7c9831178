#pragma once

#include <QCoreApplication>
#include <QString>

// A file operation that could not be done: what was tried, on which file, and
// the system's reason.
struct FileError
{
    Q_DECLARE_TR_FUNCTIONS(FileError)

public:
    QString action; // "read", "write", "delete", "sync"
    QString path;
    QString reason;

    // "Could not read "<path>":" and the reason on a line of its own.
    QString message() const;
};
