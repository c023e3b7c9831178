#pragma once

#include "files/FileError.h"

#include <QByteArrayView>
#include <QFile>

// Replaces a file as a whole. The new content goes to a temporary file beside
// it (TemporaryFiles.h) and takes the old file's place only once all of it is
// on disk; until then, and after any failure, the old file is untouched and
// the temporary file is deleted (or, should the program be killed, left for
// the next run in that folder to delete). The old file's permissions are
// kept, and a link stays a link to a replaced target.
class AtomicFile
{
public:
    explicit AtomicFile(const QString &path);
    // Deletes the temporary file, unless it has taken the file's place.
    ~AtomicFile();
    AtomicFile(const AtomicFile &) = delete;
    AtomicFile &operator=(const AtomicFile &) = delete;

    bool open();
    bool write(QByteArrayView bytes);
    // Puts what was written on disk, still beside the file: commit() then
    // only puts it in the file's place. Optional.
    bool prepare();
    bool commit();

    const FileError &error() const { return lastError; }
    // The file replaced: for a link, its target.
    QString fileName() const { return target; }

private:
    bool createTemporaryFile();
    // Records the failure (with the system's errno where Qt has no reason)
    // and deletes the temporary file.
    bool fail(const QString &reason = {});
    bool fail(int systemError);

    QString target;
    QFile temporary;
    bool prepared = false;
    FileError lastError;
};
