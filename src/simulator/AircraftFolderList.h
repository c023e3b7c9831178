#pragma once

#include "files/LabelledFolder.h"

#include <QList>
#include <QStringList>

// Collects the "Aircraft" folders below FS2004 install folders: those that
// exist, each once, in the order they are added, as their canonical paths.
class AircraftFolderList
{
public:
    // Adds the "Aircraft" folder (in any case) below `installFolder`, labelled
    // "FS2004 (`place`)", or "FS2004 (`place` 2)" and so on when that label is
    // taken. True when that folder exists, also when it was added before; an
    // empty install folder is none.
    bool add(const QString &installFolder, const QString &place);

    const QList<LabelledFolder> &folders() const { return found; }

private:
    QList<LabelledFolder> found;
};
