#include "files/PageMapping.h"

#include <QtGlobal>

void mapInForWriting(char *begin, char *end)
{
    Q_UNUSED(begin);
    Q_UNUSED(end);
}
