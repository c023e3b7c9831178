#include "files/MoveOver.h"

#include <QFile>

#include <cerrno>
#include <cstdio>

bool moveOver(const QString &source, const QString &target, QString *reason)
{
    if (std::rename(QFile::encodeName(source).constData(), QFile::encodeName(target).constData()) == 0)
        return true;
    *reason = qt_error_string(errno);
    return false;
}
