#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

// Small file helpers for tests.
QByteArray readBytes(const QString &path);
void writeBytes(const QString &path, const QByteArray &content);
// Names in a folder, sorted; to see that nothing was left behind.
QStringList entriesOf(const QString &folder);
