#include "files/TextFile.h"

#include "files/FileNames.h"
#include "files/FileOperations.h"

TextFile::~TextFile()
{
    discard();
}

bool TextFile::openTextFile(const QString &path, Mode openMode)
{
    discard();
    mode = openMode;
    const QString onDisk = existingCaseOf(path);
    switch (mode) {
    case Mode::Input:
        if (!readWholeFile(onDisk, &content, &lastError))
            return false;
        lines = LineScanner(content);
        break;
    case Mode::Output:
        replacement = std::make_unique<AtomicFile>(onDisk);
        if (!replacement->open())
            return fail(replacement->error());
        break;
    }
    isOpen = true;
    return true;
}

bool TextFile::endOfFile() const
{
    return lines.atEnd();
}

QByteArray TextFile::readLine()
{
    return lines.nextLine().toByteArray();
}

bool TextFile::writeLine(QByteArrayView text)
{
    if (!isOpen)
        return false;
    if (pending.isEmpty())
        pending.reserve(text.size() + 2); // a whole buffer written at once is copied once
    pending += text;
    pending += "\r\n";
    return true;
}

bool TextFile::closeFile()
{
    if (!isOpen)
        return true;
    bool written = true;
    if (mode == Mode::Output)
        written = (replacement->write(pending) && replacement->commit()) || fail(replacement->error());
    discard();
    return written;
}

bool TextFile::fail(const FileError &error)
{
    lastError = error;
    discard();
    return false;
}

void TextFile::discard()
{
    isOpen = false;
    content.resize(0); // keeps its room for the next file read
    lines = LineScanner();
    pending.clear();
    replacement.reset();
}
