#include "about/HelpPage.h"

#include "about/Language.h"

#include <QFileInfo>

QString helpPage()
{
    const QString translated = QStringLiteral("help_%1.htm").arg(Language::current());
    return QFileInfo::exists(translated) ? translated : QStringLiteral("help.htm");
}
