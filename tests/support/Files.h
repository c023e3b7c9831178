#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <sys/resource.h>

// Small file helpers for tests.
QByteArray readBytes(const QString &path);
void writeBytes(const QString &path, const QByteArray &content);
// Names in a folder, sorted; to see that nothing was left behind.
QStringList entriesOf(const QString &folder);

// While alive, no file of this process can grow past `bytes`: a write beyond
// fails as on a full disk (EFBIG), also when the tests run as root.
class FileSizeLimit
{
public:
    explicit FileSizeLimit(rlim_t bytes);
    ~FileSizeLimit();
    FileSizeLimit(const FileSizeLimit &) = delete;
    FileSizeLimit &operator=(const FileSizeLimit &) = delete;

private:
    rlimit previous{};
    void (*previousHandler)(int) = nullptr;
};
