#pragma once

#include <QByteArrayView>

class QFileDevice;

// Writes all of `bytes` to a file opened unbuffered. A short write is tried
// again, so that a disk that fills up reports its reason in errorString().
bool writeAll(QFileDevice &file, QByteArrayView bytes);
