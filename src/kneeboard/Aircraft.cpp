#include "kneeboard/Aircraft.h"

#include "kneeboard/PageName.h"

#include <QFileInfo>

std::optional<Aircraft> Aircraft::fromAirPath(const QString &airPath)
{
    const QString title = QFileInfo(airPath).fileName();
    const std::optional<QString> name = aircraftNameOf(title);
    if (!name)
        return std::nullopt;
    return Aircraft{airPath.left(airPath.size() - title.size()), title, *name};
}
