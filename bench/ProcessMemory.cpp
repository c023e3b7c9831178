#include "ProcessMemory.h"

#include <QByteArray>
#include <QFile>

long long processMemory(const char *field)
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    const QByteArray key = QByteArray(field) + ':';
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith(key)) // "VmRSS:	    1234 kB"
            return line.sliced(key.size()).trimmed().chopped(3).trimmed().toLongLong() * 1024;
    }
    return -1;
}
