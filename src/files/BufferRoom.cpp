#include "files/BufferRoom.h"

void sizeForOverwrite(QByteArray *buffer, qsizetype size)
{
    buffer->resize(0);
    buffer->reserve(size);
    buffer->resize(size);
}
