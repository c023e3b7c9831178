#include "files/FileError.h"

#include <QDir>

QString FileError::message() const
{
    QString sentence;
    if (action == QLatin1String("read"))
        sentence = tr("Could not read \"%1\":\r\n%2");
    else if (action == QLatin1String("write"))
        sentence = tr("Could not write \"%1\":\r\n%2");
    else if (action == QLatin1String("delete"))
        sentence = tr("Could not delete \"%1\":\r\n%2");
    else
        sentence = tr("Could not sync \"%1\":\r\n%2");
    return sentence.arg(QDir::toNativeSeparators(path), reason);
}
