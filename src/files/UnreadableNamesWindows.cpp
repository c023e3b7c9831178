#include "files/UnreadableNames.h"

// Windows' names are UTF-16, which Qt reads whole.
QStringList unreadableNamesIn(const QString &)
{
    return {};
}
