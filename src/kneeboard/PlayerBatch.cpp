#include "kneeboard/PlayerBatch.h"

#include "kneeboard/PlayerInstall.h"
#include "kneeboard/ReportText.h"

PlayerBatch::PlayerBatch(Work work, const InstallChoices &choices)
    : work(work)
    , choices(choices)
{
    if (choices.checklist)
        sections.append(KneeboardSection::Checklist);
    if (choices.reference)
        sections.append(KneeboardSection::Reference);
}

PlayerBatch::Outcome PlayerBatch::run(const QString &airPath)
{
    if (work == Work::Install) {
        const InstallReport report = installPlayer(airPath, choices, codePages);
        const Result result = report.failed() ? Result::Failed
            : report.changedNothing()         ? Result::Unchanged
                                              : Result::Done;
        return counted(result, ReportText::ofInstall(report));
    }
    const RemovalReport report = removal.remove(airPath, sections);
    const Result result = report.outcome == RemovalReport::Outcome::Failed ? Result::Failed
        : report.outcome == RemovalReport::Outcome::NothingToRemove        ? Result::Unchanged
                                                                           : Result::Done;
    return counted(result, ReportText::ofRemoval(report));
}

PlayerBatch::Outcome PlayerBatch::refuse(const QString &reason)
{
    return counted(Result::Failed, tr("failed: %1").arg(reason));
}

PlayerBatch::Outcome PlayerBatch::counted(Result result, const QString &text)
{
    switch (result) {
    case Result::Done:
        ++done;
        break;
    case Result::Unchanged:
        ++unchanged;
        break;
    case Result::Failed:
        ++failed;
        break;
    }
    return {result, text};
}

QString PlayerBatch::headline(qsizetype total) const
{
    // An install into an aircraft that had all of it already is an install.
    QString line = work == Work::Install
        ? tr("Installed into %1 of %2 aircraft").arg(done + unchanged).arg(total)
        : tr("Removed from %1 of %2 aircraft; %3 had nothing to remove").arg(done).arg(total).arg(unchanged);
    if (failed > 0)
        line += tr("; %1 failed").arg(failed);
    line += QLatin1Char('.');
    const qsizetype left = total - done - unchanged - failed;
    if (left > 0)
        line += tr(" Cancelled: %1 aircraft were left as they were.").arg(left);
    return line;
}
