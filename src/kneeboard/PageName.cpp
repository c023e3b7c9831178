#include "kneeboard/PageName.h"

#include <QCoreApplication>

std::optional<QString> aircraftNameOf(const QString &airFileTitle)
{
    if (airFileTitle.size() <= airExtensionLength)
        return std::nullopt;
    return airFileTitle.left(airFileTitle.size() - airExtensionLength).toLower();
}

QString tooShortToNameMessage(const QString &airFileTitle)
{
    return QCoreApplication::translate("PageName",
                                       "\"%1\" is too short to name an aircraft. Please choose "
                                       "the aircraft's .air file.")
        .arg(airFileTitle);
}

QString codePageRefusal(const QString &airFileTitle, int codePage)
{
    return QCoreApplication::translate(
               "PageName",
               "The name of \"%1\" has characters that FS2004 cannot read in "
               "aircraft.cfg, which it reads in the code page Windows-%2. Nothing was "
               "written.")
        .arg(airFileTitle)
        .arg(codePage);
}

QString pageNameOf(const QString &aircraftName, KneeboardSection section)
{
    return aircraftName + QLatin1Char('_') + sectionWord(section);
}

QString pageFileNameOf(const QString &aircraftName, KneeboardSection section)
{
    return pageNameOf(aircraftName, section) + QStringLiteral(".htm");
}
