#pragma once

#include "files/AtomicFile.h"
#include "files/FileError.h"
#include "files/LineScanner.h"

#include <QByteArray>

#include <memory>

// The text-file channel: one file at a time, opened, read or written line by
// line, and closed. Content is bytes, never decoded.
//
// Lines are those of LineScanner.h; writeLine adds CR LF.
//
// A file that does not exist under the exact name but does under another case
// is used under its name on disk (see existingCaseOf).
//
// What is written reaches the file when it is closed, so a failure to write
// shows then. Any failure closes the channel: the file is then left as it
// was.
//
// The channel keeps the room of the largest file it has read for the next
// one.
class TextFile
{
public:
    enum class Mode {
        Input,  // an existing file, read from its start
        Output, // replaces the file whole when closed (created if missing)
    };

    ~TextFile();

    bool openTextFile(const QString &path, Mode mode);
    bool endOfFile() const;
    QByteArray readLine();
    bool writeLine(QByteArrayView text);
    // Puts what was written on disk; false (with error()) when that failed.
    bool closeFile();

    const FileError &error() const { return lastError; }

private:
    bool fail(const FileError &error);
    void discard();

    bool isOpen = false;
    Mode mode = Mode::Input;
    QByteArray content;
    LineScanner lines;
    QByteArray pending;
    std::unique_ptr<AtomicFile> replacement;
    FileError lastError;
};
