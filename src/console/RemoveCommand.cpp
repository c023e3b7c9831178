#include "console/RemoveCommand.h"

#include "console/AirFile.h"
#include "console/CommandLineRequest.h"
#include "console/ProgressLines.h"
#include "files/OneLine.h"
#include "kneeboard/PlayerRemoval.h"

#include <QTextStream>

namespace {

QString lineOf(const RemovalReport &report)
{
    QString line = report.done.join(QStringLiteral(", "));
    switch (report.outcome) {
    case RemovalReport::Outcome::NothingToRemove:
        return QStringLiteral("nothing to remove");
    case RemovalReport::Outcome::Failed:
        line = QStringLiteral("failed: ") + oneLine(report.failures)
            + (line.isEmpty() ? QString() : QStringLiteral(" Done: ") + line + QLatin1Char('.'));
        break;
    case RemovalReport::Outcome::Removed:
        break;
    }
    return report.notes.isEmpty() ? line : line + QStringLiteral(". ") + oneLine(report.notes);
}

} // namespace

int runRemove(const CommandLineRequest &request, QTextStream &out)
{
    QList<KneeboardSection> sections;
    if (request.choices.checklist)
        sections.append(KneeboardSection::Checklist);
    if (request.choices.reference)
        sections.append(KneeboardSection::Reference);
    PlayerRemoval removal;
    ProgressLines progress(out, request.paths.size());
    qsizetype removed = 0;
    qsizetype failed = 0;
    for (const QString &argument : request.paths) {
        const AirFile air = airFileOf(argument);
        RemovalReport report;
        if (air.problem.isEmpty()) {
            report = removal.remove(air.path, sections);
        } else {
            report.outcome = RemovalReport::Outcome::Failed;
            report.failures.append(air.problem);
        }
        removed += report.outcome == RemovalReport::Outcome::Removed ? 1 : 0;
        failed += report.outcome == RemovalReport::Outcome::Failed ? 1 : 0;
        progress.print(argument, lineOf(report));
    }
    out << QStringLiteral("Removed from %1 of %2 aircraft; %3 had nothing to remove")
               .arg(removed)
               .arg(request.paths.size())
               .arg(request.paths.size() - removed - failed);
    if (failed > 0)
        out << QStringLiteral("; %1 failed").arg(failed);
    out << '.' << Qt::endl;
    return failed > 0 ? 1 : 0;
}
