#include "hangar/HangarReader.h"

#include <QElapsedTimer>
#include <QThread>

namespace {

// A batch goes to the window at least this often while aircraft are read,
// and at most this large, so that its list fills as they are read.
constexpr qint64 batchMilliseconds = 100;
constexpr qsizetype batchSize = 256;

bool stopAsked()
{
    return QThread::currentThread()->isInterruptionRequested();
}

} // namespace

void HangarReader::readFolders(const QStringList &folders)
{
    for (const QString &folder : folders) {
        if (stopAsked())
            return;
        QList<ListedAircraft> unreadable;
        const QStringList airPaths = AircraftListing::airFilesBelow(folder, &unreadable, stopAsked);
        if (!describe(airPaths, folder, unreadable))
            return;
    }
    emit finished();
}

void HangarReader::readAircraft(const QStringList &airPaths)
{
    if (describe(airPaths, {}))
        emit finished();
}

bool HangarReader::describe(const QStringList &airPaths, const QString &foundIn,
                            const QList<ListedAircraft> &unreadable)
{
    if (stopAsked())
        return false;
    emit found(airPaths.size() + unreadable.size());
    QList<HangarAircraft> batch;
    for (const ListedAircraft &entry : unreadable)
        batch.append(HangarListing::unreadable(entry, foundIn));
    QElapsedTimer sinceBatch;
    sinceBatch.start();
    for (const QString &air : airPaths) {
        if (stopAsked())
            return false;
        batch.append(listing.describe(air, foundIn));
        if (batch.size() == batchSize || sinceBatch.elapsed() >= batchMilliseconds) {
            emit read(batch);
            batch.clear();
            sinceBatch.restart();
        }
    }
    if (!batch.isEmpty())
        emit read(batch);
    return true;
}
