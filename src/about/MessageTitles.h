#pragma once

#include <QString>

// The titles that message boxes of more than one part of the program share.
namespace MessageTitles {

inline const QString program = QStringLiteral("Skylyre Configurator");
inline const QString error = QStringLiteral("Error");
inline const QString playlistEditor = QStringLiteral("Playlist Editor");

} // namespace MessageTitles
