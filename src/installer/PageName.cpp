#include "installer/PageName.h"

std::optional<QString> aircraftNameOf(const QString &airFileTitle)
{
    if (airFileTitle.size() <= airExtensionLength)
        return std::nullopt;
    return airFileTitle.left(airFileTitle.size() - airExtensionLength).toLower();
}

QString tooShortToNameMessage(const QString &airFileTitle)
{
    return QStringLiteral("\"%1\" is too short to name an aircraft. Please choose the aircraft's .air file.")
        .arg(airFileTitle);
}

QString pageNameOf(const QString &aircraftName, KneeboardSection section)
{
    // The word that names the section in the page's file name and in its entry.
    const QString word =
        section == KneeboardSection::Checklist ? QStringLiteral("check") : QStringLiteral("ref");
    return aircraftName + QLatin1Char('_') + word;
}

QString pageFileNameOf(const QString &aircraftName, KneeboardSection section)
{
    return pageNameOf(aircraftName, section) + QStringLiteral(".htm");
}
