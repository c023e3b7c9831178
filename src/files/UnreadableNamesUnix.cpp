#include "files/UnreadableNames.h"

#include <QFile>

#include <dirent.h>

QStringList unreadableNamesIn(const QString &folder)
{
    QStringList names;
    DIR *entries = opendir(QFile::encodeName(folder).constData());
    if (!entries)
        return names;
    while (const dirent *entry = readdir(entries)) {
        const QByteArray name(entry->d_name);
        if (QFile::encodeName(QFile::decodeName(name)) != name)
            names.append(QFile::decodeName(name));
    }
    closedir(entries);
    return names;
}
