#include "kneeboard/HangarAircraft.h"

#include "files/FileNames.h"
#include "kneeboard/AircraftVariations.h"

#include <QDir>
#include <QFileInfo>

QString thumbnailOf(const HangarAircraft &aircraft)
{
    const QString textureFolder = aircraft.texture.isEmpty() ? QStringLiteral("texture")
                                                             : QStringLiteral("texture.") + aircraft.texture;
    const QString path = existingCaseOfPath(QFileInfo(aircraft.airPath).path(),
                                            textureFolder + QStringLiteral("/thumbnail.jpg"));
    return QFileInfo(path).isFile() ? path : QString();
}

HangarAircraft HangarListing::describe(const QString &airPath, const QString &foundIn)
{
    const QFileInfo air(airPath);
    HangarAircraft aircraft;
    aircraft.airPath = air.filePath();
    aircraft.key = air.canonicalFilePath();
    if (aircraft.key.isEmpty())
        aircraft.key = aircraft.airPath;
    aircraft.foundIn = foundIn;
    aircraft.listing = listing.describe(airPath, &cfg);
    aircraft.title = air.completeBaseName();
    if (!aircraft.listing.problem.isEmpty())
        return aircraft;
    const QList<AircraftVariation> variations = variationsOf(cfg);
    if (variations.isEmpty())
        return aircraft;
    const int codePage = codePages.codePageOf(air.path());
    for (const AircraftVariation &variation : variations)
        aircraft.variations.append(SimulatorCodePages::decode(variation.title, codePage));
    const AircraftVariation &first = variations.constFirst();
    aircraft.manufacturer = SimulatorCodePages::decode(first.manufacturer, codePage);
    if (!aircraft.variations.constFirst().isEmpty())
        aircraft.title = aircraft.variations.constFirst();
    aircraft.texture = SimulatorCodePages::decode(first.texture, codePage);
    return aircraft;
}

HangarAircraft HangarListing::unreadable(const ListedAircraft &entry, const QString &foundIn)
{
    HangarAircraft aircraft;
    aircraft.airPath = QDir::fromNativeSeparators(entry.folder) + QLatin1Char('/') + entry.airFile;
    aircraft.key = aircraft.airPath;
    aircraft.foundIn = foundIn;
    aircraft.listing = entry;
    aircraft.title = entry.airFile;
    return aircraft;
}
