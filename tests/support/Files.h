#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

// Small file helpers for tests.
QByteArray readBytes(const QString &path);
void writeBytes(const QString &path, const QByteArray &content);
// What the system says when `path` cannot be opened for reading: the reason a
// message about it gives ("No such file or directory" on Linux, other words on
// Windows).
QString reasonOpening(const QString &path);
// Names in a folder, sorted; to see that nothing was left behind.
QStringList entriesOf(const QString &folder);
