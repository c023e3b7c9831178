#pragma once

#include <QCoreApplication>
#include <QString>

// The titles that message boxes of more than one part of the program share,
// in the language the program speaks.
namespace MessageTitles {

inline QString program()
{
    return QCoreApplication::translate("MessageTitles", "Skylyre Configurator");
}

inline QString error()
{
    return QCoreApplication::translate("MessageTitles", "Error");
}

inline QString playlistEditor()
{
    return QCoreApplication::translate("MessageTitles", "Playlist Editor");
}

} // namespace MessageTitles
