#include "simulator/WineSimulatorFolders.h"

#include "files/FileNames.h"
#include "simulator/AircraftFolderList.h"
#include "simulator/SimulatorFolders.h"
#include "simulator/WinePrefix.h"

namespace {

const char *const usualInstallFolders[] = {
    "Program Files (x86)/Microsoft Games/Flight Simulator 9",
    "Program Files/Microsoft Games/Flight Simulator 9",
};

void addPrefix(AircraftFolderList &found, const HomePrefix &prefix)
{
    bool named = false;
    for (const QString &folder : WinePrefix(prefix.path).namedInstallFolders())
        named = found.add(folder, prefix.place) || named;
    if (named)
        return;
    for (const char *folder : usualInstallFolders)
        found.add(existingCaseOfPath(prefix.path + QStringLiteral("/drive_c"), QLatin1String(folder)),
                  prefix.place);
}

} // namespace

QList<LabelledFolder> findInWinePrefixes(const WineHome &home)
{
    AircraftFolderList found;
    for (const HomePrefix &prefix : winePrefixesOf(home))
        addPrefix(found, prefix);
    return found.folders();
}

QList<LabelledFolder> findSimulatorFolders()
{
    return findInWinePrefixes(userWineHome());
}
