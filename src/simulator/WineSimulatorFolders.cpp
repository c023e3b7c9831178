#include "simulator/WineSimulatorFolders.h"

#include "files/FileNames.h"
#include "files/FileOperations.h"
#include "simulator/AircraftFolderList.h"
#include "simulator/SimulatorFolders.h"
#include "simulator/WineRegistryFile.h"

#include <QDir>
#include <QFileInfo>

namespace {

// Folders of the home folder that hold Wine prefixes, one in (or below) each
// entry.
struct PrefixFolder
{
    const char *folder;     // below the home folder
    const char *inEntry;    // where the prefix is in an entry; empty: the entry
    const char *placeOfOne; // how the label names an entry ("%1" is its name)
};

const PrefixFolder prefixFolders[] = {
    {".local/share/bottles/bottles", "", "%1"},
    {".var/app/com.usebottles.bottles/data/bottles/bottles", "", "%1"},
    {"Games", "", "%1"}, // Lutris
    {".PlayOnLinux/wineprefix", "", "%1"},
    {".steam/steam/steamapps/compatdata", "/pfx", "Steam %1"},
    {".local/share/Steam/steamapps/compatdata", "/pfx", "Steam %1"},
};

// FS2004 is a 32-bit program: in a 64-bit prefix its key is below Wow6432Node.
const QStringList installKeys{
    QStringLiteral("Software\\Wow6432Node\\Microsoft\\Microsoft Games\\Flight Simulator\\9.0"),
    QStringLiteral("Software\\Microsoft\\Microsoft Games\\Flight Simulator\\9.0"),
};

const char *const usualInstallFolders[] = {
    "Program Files (x86)/Microsoft Games/Flight Simulator 9",
    "Program Files/Microsoft Games/Flight Simulator 9",
};

// A Windows path ("D:\FS9") as a path in the prefix, through the prefix's
// link for the drive (dosdevices/d:); empty when it starts with no drive.
QString inPrefix(const QString &prefix, const QString &windowsPath)
{
    if (windowsPath.size() < 2 || !windowsPath[0].isLetter() || windowsPath[1] != QLatin1Char(':'))
        return {};
    return existingCaseOfPath(prefix + QStringLiteral("/dosdevices"), windowsPath);
}

// The install folder that the prefix's registry names, else the usual ones.
void addPrefix(AircraftFolderList &found, const QString &prefix, const QString &place)
{
    QByteArray systemReg;
    FileError unread;
    bool named = false;
    if (readWholeFile(prefix + QStringLiteral("/system.reg"), &systemReg, &unread)) {
        for (const QString &path : wineRegistryStrings(systemReg, installKeys, QStringLiteral("EXE Path")))
            named = found.add(inPrefix(prefix, path), place) || named;
    }
    if (named)
        return;
    for (const char *folder : usualInstallFolders)
        found.add(existingCaseOfPath(prefix + QStringLiteral("/drive_c"), QLatin1String(folder)), place);
}

} // namespace

QList<LabelledFolder> findInWinePrefixes(const WineHome &home)
{
    AircraftFolderList found;
    if (!home.winePrefix.isEmpty())
        addPrefix(found, home.winePrefix, QFileInfo(QDir::cleanPath(home.winePrefix)).fileName());
    addPrefix(found, home.home + QStringLiteral("/.wine"), QStringLiteral(".wine"));
    for (const PrefixFolder &source : prefixFolders) {
        const QDir folder(home.home + QLatin1Char('/') + QLatin1String(source.folder));
        for (const QString &entry : folder.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name))
            addPrefix(found, folder.filePath(entry) + QLatin1String(source.inEntry),
                      QLatin1String(source.placeOfOne).arg(entry));
    }
    return found.folders();
}

QList<LabelledFolder> findSimulatorFolders()
{
    return findInWinePrefixes({QDir::homePath(), qEnvironmentVariable("WINEPREFIX")});
}
