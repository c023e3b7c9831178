#pragma once

#include <QString>

// The maker's web site and contact. The host is a reserved example domain:
// the maker has no real one.
namespace MakerSite {

inline const QString host = QStringLiteral("http://velmora.example");
inline const QString webSiteAddress = host + QStringLiteral("/velmora");
inline const QString versionPagePath = QStringLiteral("/velmora/orvalin/ver.htm");
inline const QString downloadAddressPagePath = QStringLiteral("/velmora/orvalin/url.htm");
inline const QString contactEmail = QStringLiteral("arandel@velmora.example");

} // namespace MakerSite
