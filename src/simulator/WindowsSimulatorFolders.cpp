#include "simulator/WindowsSimulatorFolders.h"

#include "simulator/AircraftFolderList.h"
#include "simulator/ExpandedVariables.h"
#include "simulator/SimulatorFolders.h"

#include <QDir>
#include <QFileInfo>

#include <qt_windows.h>

#include <string>

namespace {

// The value of an environment variable, as a 32-bit program sees it.
QString thirtyTwoBitVariable(const QString &name)
{
    const QString folder = name.compare(QLatin1String("ProgramFiles"), Qt::CaseInsensitive) == 0
        ? qEnvironmentVariable("ProgramFiles(x86)")
        : name.compare(QLatin1String("CommonProgramFiles"), Qt::CaseInsensitive) == 0
        ? qEnvironmentVariable("CommonProgramFiles(x86)")
        : QString();
    return folder.isEmpty() ? qEnvironmentVariable(qPrintable(name)) : folder;
}

// A string value of `key` in the registry's 32-bit view; empty when the key or
// value is missing or holds no string. The key is opened for reading only:
// QSettings would create it where it is missing and the user may write (an
// administrator, or anyone under Wine).
QString registryString(HKEY root, const QString &key, const QString &name)
{
    HKEY handle = nullptr;
    if (RegOpenKeyExW(root, key.toStdWString().c_str(), 0, KEY_QUERY_VALUE | KEY_WOW64_32KEY, &handle)
        != ERROR_SUCCESS)
        return {};
    const std::wstring valueName = name.toStdWString();
    const DWORD flags = RRF_RT_REG_SZ | RRF_RT_REG_EXPAND_SZ | RRF_NOEXPAND;
    QString value;
    DWORD type = REG_NONE;
    DWORD bytes = 0;
    if (RegGetValueW(handle, nullptr, valueName.c_str(), flags, nullptr, nullptr, &bytes) == ERROR_SUCCESS) {
        std::wstring text(bytes / sizeof(wchar_t) + 1, L'\0');
        if (RegGetValueW(handle, nullptr, valueName.c_str(), flags, &type, text.data(), &bytes)
            == ERROR_SUCCESS)
            value = QString::fromWCharArray(text.c_str());
    }
    RegCloseKey(handle);
    return type == REG_EXPAND_SZ ? expandedVariables(value, thirtyTwoBitVariable) : value;
}

void addInstall(AircraftFolderList &found, const QString &installFolder)
{
    const QString folder = QDir::cleanPath(QDir::fromNativeSeparators(installFolder));
    found.add(folder, QFileInfo(folder).fileName());
}

} // namespace

QList<LabelledFolder> findInWindows(const WindowsPlaces &places)
{
    const QString microsoft = places.software + QStringLiteral("\\Microsoft\\");
    const QString fs2004 = microsoft + QStringLiteral("Microsoft Games\\Flight Simulator\\9.0");
    const QString uninstall =
        microsoft + QStringLiteral("Windows\\CurrentVersion\\Uninstall\\Flight Simulator 9.0");
    const QString directPlay =
        microsoft + QStringLiteral("DirectPlay\\Applications\\Microsoft Flight Simulator 2004");
    AircraftFolderList found;
    addInstall(found, registryString(HKEY_CURRENT_USER, fs2004, QStringLiteral("EXE Path")));
    addInstall(found, registryString(HKEY_LOCAL_MACHINE, fs2004, QStringLiteral("EXE Path")));
    addInstall(found, registryString(HKEY_LOCAL_MACHINE, uninstall, QStringLiteral("InstallLocation")));
    addInstall(found, registryString(HKEY_LOCAL_MACHINE, directPlay, QStringLiteral("Path")));
    for (const QString &programFolder : places.programFolders)
        addInstall(found, programFolder + QStringLiteral("/Microsoft Games/Flight Simulator 9"));
    return found.folders();
}

QList<LabelledFolder> findSimulatorFolders()
{
    QStringList programFolders;
    for (const char *variable : {"ProgramFiles(x86)", "ProgramFiles"}) {
        const QString folder = qEnvironmentVariable(variable);
        if (!folder.isEmpty())
            programFolders << folder;
    }
    return findInWindows({QStringLiteral("SOFTWARE"), programFolders});
}
