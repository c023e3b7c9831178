#include "console/InstallCommand.h"

#include "console/AirFile.h"
#include "console/CommandLineRequest.h"
#include "console/ProgressLines.h"
#include "files/OneLine.h"
#include "kneeboard/PlayerInstall.h"
#include "simulator/SimulatorCodePages.h"

#include <QTextStream>

namespace {

QString pageDone(const InstallReport::Page &page)
{
    const QString section = sectionTitle(page.section);
    switch (page.action) {
    case InstallReport::PageAction::Written:
        return QStringLiteral("%1 page written").arg(section);
    case InstallReport::PageAction::AppendedTo:
        return QStringLiteral("player added to the %1 page").arg(section);
    case InstallReport::PageAction::Created:
        return QStringLiteral("%1 page created with the player").arg(section);
    }
    Q_UNREACHABLE();
}

// What the install did to one aircraft, as the report says.
QString lineOf(const InstallReport &report)
{
    if (report.failed())
        return QStringLiteral("failed: ") + oneLine({report.failureMessage()});
    QStringList done;
    for (const InstallReport::Page &page : report.pages)
        done.append(pageDone(page));
    for (KneeboardSection section : report.withoutEntry)
        done.append(QStringLiteral("no %1 entry to replace").arg(QString::fromLatin1(entryKeyOf(section))));
    done.append(report.cfgChanged ? QStringLiteral("aircraft.cfg updated")
                                  : QStringLiteral("aircraft.cfg left as it was"));
    if (report.backupMade)
        done.append(QStringLiteral("backup made"));
    return done.join(QStringLiteral(", "));
}

} // namespace

int runInstall(const CommandLineRequest &request, QTextStream &out)
{
    // What is learnt of the code pages is kept from one aircraft to the next.
    SimulatorCodePages codePages;
    ProgressLines progress(out, request.paths.size());
    qsizetype failed = 0;
    for (const QString &argument : request.paths) {
        const AirFile air = airFileOf(argument);
        InstallReport report;
        if (air.problem.isEmpty())
            report = installPlayer(air.path, request.choices, codePages);
        else
            report.refusal = air.problem;
        failed += report.failed() ? 1 : 0;
        progress.print(argument, lineOf(report));
    }
    out << QStringLiteral("Installed into %1 of %2 aircraft")
               .arg(request.paths.size() - failed)
               .arg(request.paths.size());
    if (failed > 0)
        out << QStringLiteral("; %1 failed").arg(failed);
    out << '.' << Qt::endl;
    return failed > 0 ? 1 : 0;
}
