#include "platform/TextFile.h"

#include "platform/FileNames.h"
#include "platform/FileOperations.h"

#include <algorithm>
#include <cstring>

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
    return nextLine().toByteArray();
}

QByteArrayView TextFile::nextLine()
{
    // The line ends at the first CR or LF. Each is searched for with memchr
    // only once it lies behind, so that a file holding only one kind of line
    // end is still read in one sweep.
    const char *const data = content.constData();
    const qsizetype size = content.size();
    const qsizetype start = std::min(position, size);
    if (nextCr < start)
        nextCr = nextOf(CR, start);
    if (nextLf < start)
        nextLf = nextOf(LF, start);
    const qsizetype end = std::min(nextCr, nextLf);
    position = end;
    if (end < size) {
        const bool crlf = data[end] == CR && end + 1 < size && data[end + 1] == LF;
        position += crlf ? 2 : 1;
    }
    return QByteArrayView(data + start, end - start);
}

qsizetype TextFile::nextOf(char c, qsizetype from) const
{
    const char *const data = content.constData();
    const void *found = std::memchr(data + from, c, size_t(content.size() - from));
    return found ? static_cast<const char *>(found) - data : content.size();
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

bool TextFile::writeLineFrom(QByteArray &&buffer)
{
    if (!isOpen)
        return false;
    if (!pending.isEmpty())
        return writeLine(QByteArrayView(buffer));
    pending = std::move(buffer);
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
    content.resize(0); // keeps its room for the next file read
    position = 0;
    nextCr = -1;
    nextLf = -1;
    pending.clear();
    replacement.reset();
    appended.close();
}
