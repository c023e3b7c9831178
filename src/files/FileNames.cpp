#include "files/FileNames.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>

QString existingCaseOf(const QString &path)
{
    const QFileInfo info(path);
    const QString name = info.fileName();
    if (name.isEmpty())
        return path;
    // Asked of the folder's list rather than of the name itself: on Windows
    // (and any file system that ignores case) every case of a name "exists",
    // and only the list tells the name on disk.
    const QStringList entries = info.dir().entryList(
        QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Name);
    if (entries.contains(name))
        return path;
    for (const QString &entry : entries) {
        if (entry.compare(name, Qt::CaseInsensitive) == 0)
            return path.left(path.size() - name.size()) + entry;
    }
    return path;
}

QString existingCaseOfPath(const QString &folder, const QString &relative)
{
    QString path = folder;
    static const QRegularExpression separators(QStringLiteral("[/\\\\]"));
    for (const QString &name : relative.split(separators, Qt::SkipEmptyParts))
        path = existingCaseOf(path + QLatin1Char('/') + name);
    return path;
}
