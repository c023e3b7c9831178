#include "console/AirFile.h"

#include "files/FileNames.h"
#include "files/FileOperations.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

AirFile airFileOf(const QString &argument)
{
    const QString path = existingCaseOf(QDir::cleanPath(QFileInfo(argument).absoluteFilePath()));
    if (!fileExists(path))
        return {path, QCoreApplication::translate("AirFile", "there is no such .air file")};
    return {path, {}};
}
