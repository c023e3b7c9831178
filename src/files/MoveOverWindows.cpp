#include "files/MoveOver.h"

#include <QDir>

#include <windows.h>

bool moveOver(const QString &source, const QString &target, QString *reason)
{
    // Write-through: the call returns once the move is on disk, as a sync of
    // the folder does on Unix.
    if (MoveFileExW(reinterpret_cast<LPCWSTR>(QDir::toNativeSeparators(source).utf16()),
                    reinterpret_cast<LPCWSTR>(QDir::toNativeSeparators(target).utf16()),
                    MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
        return true;
    *reason = qt_error_string(int(GetLastError()));
    return false;
}
