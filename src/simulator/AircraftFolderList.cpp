#include "simulator/AircraftFolderList.h"

#include "files/FileNames.h"

#include <QDir>
#include <QFileInfo>

#include <algorithm>

namespace {

bool anyHas(const QList<LabelledFolder> &folders, QString LabelledFolder::*field, const QString &value)
{
    return std::any_of(folders.cbegin(), folders.cend(),
                       [&](const LabelledFolder &folder) { return folder.*field == value; });
}

} // namespace

bool AircraftFolderList::add(const QString &installFolder, const QString &place)
{
    if (installFolder.isEmpty())
        return false;
    const QFileInfo aircraft(existingCaseOf(QDir::cleanPath(installFolder + QStringLiteral("/Aircraft"))));
    if (!aircraft.isDir())
        return false;
    const QString path = aircraft.canonicalFilePath();
    if (anyHas(found, &LabelledFolder::path, path))
        return true;
    QString label = QStringLiteral("FS2004 (%1)").arg(place);
    for (int number = 2; anyHas(found, &LabelledFolder::label, label); ++number)
        label = QStringLiteral("FS2004 (%1 %2)").arg(place).arg(number);
    found.append({path, label});
    return true;
}
