#pragma once

#include <QByteArray>

// Sizes `buffer` to `size` bytes that the caller then overwrites, all of them:
// what it held is dropped, not copied; its room is kept where it is enough,
// else made of exactly `size` bytes. Where the system can, the memory of that
// room is mapped in at once, instead of page by page as the bytes are first
// written: each of those page faults stops the program, and on some virtual
// machines a fault costs more than writing its page.
void sizeForOverwrite(QByteArray *buffer, qsizetype size);
