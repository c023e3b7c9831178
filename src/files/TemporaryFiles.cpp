#include "files/TemporaryFiles.h"

#include "files/FileError.h"

#include <QDir>
#include <QFile>
#include <QRandomGenerator>

#include <algorithm>

namespace {

const QLatin1StringView marker(".skylyre-");
const QLatin1StringView suffix(".tmp");
constexpr qsizetype randomLength = 6;

} // namespace

QString TemporaryFiles::nameBeside(const QString &path)
{
    static constexpr char letters[] = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
    QString random(randomLength, Qt::Uninitialized);
    for (QChar &letter : random)
        letter = QLatin1Char(letters[QRandomGenerator::global()->bounded(int(sizeof letters - 1))]);
    return path + marker + random + suffix;
}

bool TemporaryFiles::isTemporaryName(const QString &fileName)
{
    const qsizetype at = fileName.size() - suffix.size() - randomLength - marker.size();
    if (at < 1 || !fileName.endsWith(suffix) || QStringView(fileName).sliced(at, marker.size()) != marker)
        return false;
    const QStringView random = QStringView(fileName).sliced(at + marker.size(), randomLength);
    return std::all_of(random.begin(), random.end(), [](QChar c) { return c.isLetterOrNumber(); });
}

QStringList TemporaryFiles::removeLeftovers(const QString &folder)
{
    QStringList failures;
    const QDir dir(folder);
    for (const QString &name : dir.entryList(QDir::Files | QDir::Hidden | QDir::System)) {
        if (!isTemporaryName(name))
            continue;
        QFile leftover(dir.filePath(name));
        if (!leftover.remove())
            failures.append(
                FileError{QStringLiteral("delete"), leftover.fileName(), leftover.errorString()}.message());
    }
    return failures;
}
