#pragma once

#include <QString>
#include <QStringList>

// Messages of the window's boxes, on one line.
QString oneLine(const QStringList &messages);
