#include "platform/TextFile.h"

#include "platform/FileNames.h"
#include "platform/FileOperations.h"

namespace {
constexpr char CR = '\r';
constexpr char LF = '\n';
} // namespace

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
    case Input:
        if (!readWholeFile(onDisk, &content, &lastError))
            return false;
        break;
    case Output:
        replacement = std::make_unique<AtomicFile>(onDisk);
        if (!replacement->open())
            return fail(replacement->error());
        break;
    case Append:
        appended.setFileName(onDisk);
        if (!appended.open(QIODevice::WriteOnly | QIODevice::Append | QIODevice::Unbuffered))
            return fail(appendError());
        break;
    }
    isOpen = true;
    return true;
}

bool TextFile::endOfFile() const
{
    return position >= content.size();
}

QByteArray TextFile::readLine()
{
    const qsizetype start = position;
    qsizetype end = start;
    while (end < content.size() && content[end] != CR && content[end] != LF)
        ++end;
    position = end;
    if (position < content.size()) {
        const bool crlf = content[position] == CR && position + 1 < content.size()
            && content[position + 1] == LF;
        position += crlf ? 2 : 1;
    }
    return content.sliced(start, end - start);
}

bool TextFile::writeLine(QByteArrayView text)
{
    if (!isOpen)
        return false;
    pending += text;
    pending += "\r\n";
    return true;
}

bool TextFile::closeFile()
{
    if (!isOpen)
        return true;
    bool written = true;
    if (mode == Output) {
        written = (replacement->write(pending) && replacement->commit())
            || fail(replacement->error());
    } else if (mode == Append) {
        written = writeAll(appended, pending) || fail(appendError());
    }
    discard();
    return written;
}

FileError TextFile::appendError() const
{
    return {QStringLiteral("append to"), appended.fileName(), appended.errorString()};
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
    content.clear();
    position = 0;
    pending.clear();
    replacement.reset();
    appended.close();
}
