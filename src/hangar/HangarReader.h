#pragma once

#include "kneeboard/HangarAircraft.h"

#include <QList>
#include <QObject>
#include <QStringList>

// Reads aircraft for the hangar away from the window: it lives in a thread of
// its own, where its functions are called (QMetaObject::invokeMethod), and
// hands what it has read back in batches by signal. It stops between two
// aircraft, or two folders of the walk, when its thread is asked to
// (QThread::requestInterruption).
class HangarReader : public QObject
{
    Q_OBJECT

public:
    // The aircraft below each folder.
    void readFolders(const QStringList &folders);
    // These aircraft again, each by its .air file.
    void readAircraft(const QStringList &airPaths);

signals:
    // `count` more .air files are to be read.
    void found(qsizetype count);
    // The next aircraft read: in order, each .air file as found.
    void read(const QList<HangarAircraft> &aircraft);
    // What one call asked for has been read.
    void finished();

private:
    // False when the thread was asked to stop first. `foundIn`: the folder
    // whose walk found them; empty for aircraft read again.
    bool describe(const QStringList &airPaths, const QString &foundIn,
                  const QList<ListedAircraft> &unreadable = {});

    HangarListing listing;
};
