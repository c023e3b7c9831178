#pragma once

#include <QByteArray>

// Sizes `buffer` to `size` bytes that the caller then overwrites, all of them:
// what it held is dropped, not copied; its room is kept where it is enough,
// else made of exactly `size` bytes.
void sizeForOverwrite(QByteArray *buffer, qsizetype size);
