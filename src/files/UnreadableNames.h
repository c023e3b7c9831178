#pragma once

#include <QStringList>

// The entries of `folder` whose names are bytes that are not in the encoding
// of file names (UTF-8), as old archives unpack them: Qt neither lists nor
// opens them. Each as Qt would show its name, with replacement characters.
// Defined once for each system.
QStringList unreadableNamesIn(const QString &folder);
