#pragma once

#include <QByteArrayView>
#include <QList>
#include <QStringList>

// A string value of a Wine registry file: "name"="text" (REG_SZ) or
// "name"=str(2):"text" (REG_EXPAND_SZ, whose %variables% are the reader's
// to expand).
struct WineRegistryString
{
    QString name;
    QString text;
    bool expandable = false;
};

// The string values under any of `keys` ("Software\Microsoft\...") in the
// text of a Wine registry file such as a prefix's system.reg, in the order the
// file holds them. Key names match in any case, as on Windows; sub-keys are
// keys of their own. A value of another type, or one whose text holds an
// escape other than \\, \" and \x (a character code), is passed over.
QList<WineRegistryString> wineRegistryStrings(QByteArrayView file, const QStringList &keys);
