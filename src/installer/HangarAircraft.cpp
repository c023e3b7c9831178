#include "installer/HangarAircraft.h"

#include "files/FileNames.h"
#include "installer/AircraftVariations.h"

#include <QFileInfo>

namespace {

QString textOf(const QByteArray &bytes, int codePage)
{
    Q_UNUSED(codePage);
    return QString::fromLatin1(bytes);
}

} // namespace

QString thumbnailOf(const HangarAircraft &aircraft)
{
    const QString textureFolder = aircraft.texture.isEmpty() ? QStringLiteral("texture")
                                                             : QStringLiteral("texture.") + aircraft.texture;
    const QString path = existingCaseOfPath(QFileInfo(aircraft.airPath).path(),
                                            textureFolder + QStringLiteral("/thumbnail.jpg"));
    return QFileInfo(path).isFile() ? path : QString();
}

HangarAircraft HangarListing::describe(const QString &airPath)
{
    const QFileInfo air(airPath);
    HangarAircraft aircraft;
    aircraft.airPath = air.filePath();
    aircraft.listing = listing.describe(airPath, &cfg);
    aircraft.title = air.completeBaseName();
    if (!aircraft.listing.problem.isEmpty())
        return aircraft;
    const int codePage = codePages.codePageOf(air.path());
    for (const ListedPage &page : aircraft.listing.checklist)
        aircraft.checklistNames.append(textOf(page.name, codePage));
    for (const ListedPage &page : aircraft.listing.reference)
        aircraft.referenceNames.append(textOf(page.name, codePage));
    const QList<AircraftVariation> variations = variationsOf(cfg);
    if (variations.isEmpty())
        return aircraft;
    for (const AircraftVariation &variation : variations)
        aircraft.variations.append(textOf(variation.title, codePage));
    const AircraftVariation &first = variations.constFirst();
    aircraft.manufacturer = textOf(first.manufacturer, codePage);
    if (!aircraft.variations.constFirst().isEmpty())
        aircraft.title = aircraft.variations.constFirst();
    aircraft.texture = textOf(first.texture, codePage);
    return aircraft;
}
