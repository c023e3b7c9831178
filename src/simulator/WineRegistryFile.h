#pragma once

#include <QByteArrayView>
#include <QStringList>

// The string values named `value` under any of `keys` ("Software\Microsoft\...")
// in the text of a Wine registry file such as a prefix's system.reg, in the
// order the file holds them. Key and value names match in any case, as on
// Windows. A value that is not a plain string, or that holds an escape other
// than \\, \" and \x (a character code), is passed over.
QStringList wineRegistryStrings(QByteArrayView file, const QStringList &keys, const QString &value);
