#include "simulator/WinePrefixes.h"

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

} // namespace

QList<HomePrefix> winePrefixesOf(const WineHome &home)
{
    QList<HomePrefix> prefixes;
    if (!home.winePrefix.isEmpty())
        prefixes.append({home.winePrefix, QFileInfo(QDir::cleanPath(home.winePrefix)).fileName()});
    prefixes.append({home.home + QStringLiteral("/.wine"), QStringLiteral(".wine")});
    for (const PrefixFolder &source : prefixFolders) {
        const QDir folder(home.home + QLatin1Char('/') + QLatin1String(source.folder));
        for (const QString &entry : folder.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name))
            prefixes.append({folder.filePath(entry) + QLatin1String(source.inEntry),
                             QLatin1String(source.placeOfOne).arg(entry)});
    }
    return prefixes;
}

WineHome userWineHome()
{
    return {QDir::homePath(), qEnvironmentVariable("WINEPREFIX")};
}
