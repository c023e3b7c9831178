#include "commands/InstallCommand.h"

#include "commands/AirFile.h"
#include "commands/AnsweringDialogs.h"
#include "commands/CommandLineRequest.h"
#include "commands/ProgressLines.h"
#include "dialogs/OneLine.h"
#include "installer/Installer.h"

#include <QTextStream>

namespace {

// What an install with `request`'s choices does to an aircraft, as Write
// does it: the pages in Write's order, then aircraft.cfg.
QString doneBy(const CommandLineRequest &request)
{
    QStringList done;
    if (request.newFile && request.checklist)
        done.append(QStringLiteral("Checklist page written"));
    if (request.newFile && request.reference)
        done.append(QStringLiteral("Reference page written"));
    if (request.addToExisting && request.reference)
        done.append(QStringLiteral("player added to the Reference page"));
    if (request.addToExisting && request.checklist)
        done.append(QStringLiteral("player added to the Checklist page"));
    if (!request.configureCfg)
        done.append(QStringLiteral("aircraft.cfg left as it was"));
    else if (request.backup)
        done.append({QStringLiteral("aircraft.cfg updated"), QStringLiteral("backup made")});
    else
        done.append(QStringLiteral("aircraft.cfg updated"));
    return done.join(QStringLiteral(", "));
}

} // namespace

int runInstall(const CommandLineRequest &request, QTextStream &out)
{
    AnsweringDialogs dialogs(request.configureCfg, request.backup);
    // One installer for all: the player page is built once, and what is
    // learnt of the code pages is kept.
    Installer installer(dialogs);
    const InstallChoices choices{request.checklist, request.reference, request.newFile,
                                 request.addToExisting};
    const QString done = doneBy(request);
    ProgressLines progress(out, request.paths.size());
    qsizetype failed = 0;
    for (const QString &argument : request.paths) {
        const AirFile air = airFileOf(argument);
        if (air.problem.isEmpty() && installer.chooseAircraft(air.path))
            installer.writeCommand(choices);
        const QStringList errors = air.problem.isEmpty() ? dialogs.takeErrors() : QStringList{air.problem};
        failed += errors.isEmpty() ? 0 : 1;
        progress.print(argument, errors.isEmpty() ? done : QStringLiteral("failed: ") + oneLine(errors));
    }
    out << QStringLiteral("Installed into %1 of %2 aircraft")
               .arg(request.paths.size() - failed)
               .arg(request.paths.size());
    if (failed > 0)
        out << QStringLiteral("; %1 failed").arg(failed);
    out << '.' << Qt::endl;
    return failed > 0 ? 1 : 0;
}
