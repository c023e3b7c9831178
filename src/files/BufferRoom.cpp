#include "files/BufferRoom.h"

#include "files/PageMapping.h"

void sizeForOverwrite(QByteArray *buffer, qsizetype size)
{
    buffer->resize(0);
    buffer->reserve(size);
    buffer->resize(size);
    mapInForWriting(buffer->data(), buffer->data() + size);
}
