#pragma once

#include "simulator/WineRegistryFile.h"

#include <QByteArray>
#include <QHash>
#include <QString>
#include <QStringList>

// A Wine prefix: a folder that holds a Windows, with its drive C (drive_c),
// its links for the drive letters (dosdevices) and its registry (system.reg
// for the machine, user.reg for the user). Its registry files are read once,
// those that can be; what cannot be read names nothing.
class WinePrefix
{
public:
    explicit WinePrefix(const QString &path);

    // The FS2004 install folders that the registry names, as folders of this
    // computer, in the order Windows is searched: "EXE Path" of FS2004's own
    // key for the user, then for the machine (below Wow6432Node in a 64-bit
    // prefix, as FS2004 is a 32-bit program); "InstallLocation" of its
    // uninstall entry; "Path" of the entry its multiplayer registers with
    // DirectPlay. A REG_EXPAND_SZ value has its %variables% expanded.
    QStringList namedInstallFolders() const;

    // The ANSI code page of the prefix's Windows: "ACP" of its Nls\CodePage
    // key, or Windows-1252 where there is none, as Wine's default.
    int codePage() const;

    // A Windows path ("D:\FS9") as a path of this computer, through the
    // prefix's link for the drive (dosdevices/d:), each name found in any
    // case; empty when it starts with no drive.
    QString hostPath(const QString &windowsPath) const;

private:
    QList<WineRegistryString> machineValues(const QString &keyBelowMicrosoft, const QString &name) const;
    QString expanded(const WineRegistryString &value) const;
    QHash<QString, QString> environment() const;

    QString path;
    QByteArray systemReg;
    QByteArray userReg;
};
