#pragma once

#include "files/FileError.h"

#include <QByteArrayView>
#include <QSaveFile>

// Replaces a file as a whole. The new content goes to a temporary file in the
// same folder and takes the old file's place only once all of it is on disk;
// until then, and after any failure, the old file is untouched and the
// temporary file is removed. The old file's permissions are kept, and a link
// stays a link to a replaced target.
class AtomicFile
{
public:
    explicit AtomicFile(const QString &path);

    bool open();
    bool write(QByteArrayView bytes);
    // Puts what was written on disk, still beside the file: commit() then
    // only puts it in the file's place. Optional.
    bool prepare();
    bool commit();

    const FileError &error() const { return lastError; }
    QString fileName() const { return file.fileName(); }

private:
    // Records the failure (with the system's errno where Qt has no reason)
    // and drops the temporary file.
    bool fail(int systemError = 0);

    QSaveFile file;
    bool prepared = false;
    FileError lastError;
};
