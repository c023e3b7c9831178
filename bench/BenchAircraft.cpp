#include "BenchAircraft.h"

#include "BenchSupport.h"
#include "GeneratedCfg.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <unistd.h>

QStringList makeAircraft(const QString &folder, int count)
{
    static const QByteArray cfg = realisticCfg(cfgLines);
    QStringList airFiles;
    for (int n = 0; n < count; ++n) {
        const QString name = QStringLiteral("Aircraft%1").arg(n, 4, 10, QLatin1Char('0'));
        const QString aircraft = folder + QLatin1Char('/') + name;
        QDir(aircraft).removeRecursively();
        if (!QDir().mkpath(aircraft))
            benchFailure(QStringLiteral("cannot make %1").arg(aircraft));
        QFile air(aircraft + QLatin1Char('/') + name + QStringLiteral(".air"));
        QFile cfgFile(aircraft + QStringLiteral("/aircraft.cfg"));
        if (!air.open(QIODevice::WriteOnly) || air.write("flight model") != 12
            || !cfgFile.open(QIODevice::WriteOnly) || cfgFile.write(cfg) != cfg.size())
            benchFailure(QStringLiteral("cannot write the aircraft %1").arg(aircraft));
        airFiles.append(air.fileName());
    }
    ::sync();
    return airFiles;
}

void installIntoAll(const QStringList &airFiles)
{
    outputOf(QStringList{QStringLiteral(SKYLYRE_CONSOLE_PROGRAM), QStringLiteral("install"),
                         QStringLiteral("--checklist"), QStringLiteral("--new"), QStringLiteral("--backup")}
             + airFiles);
}

void copyAndSyncEach(const QStringList &airFiles)
{
    for (const QString &air : airFiles) {
        const QString aircraft = QFileInfo(air).path();
        runProgram({QStringLiteral("cp"), aircraft + QStringLiteral("/aircraft.cfg"),
                    aircraft + QStringLiteral("/aircraft.copy")});
        runProgram({QStringLiteral("sync"), aircraft + QStringLiteral("/aircraft.copy")});
    }
}
