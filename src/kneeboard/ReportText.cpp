#include "kneeboard/ReportText.h"

#include "files/OneLine.h"

namespace {

QString pageDone(const InstallReport::Page &page)
{
    const QString section = sectionTitle(page.section);
    switch (page.action) {
    case InstallReport::PageAction::Written:
        return ReportText::tr("%1 page written").arg(section);
    case InstallReport::PageAction::AppendedTo:
        return ReportText::tr("player added to the %1 page").arg(section);
    case InstallReport::PageAction::Created:
        return ReportText::tr("%1 page created with the player").arg(section);
    case InstallReport::PageAction::AlreadyHeld:
        return ReportText::tr("%1 page already holds the player").arg(section);
    }
    Q_UNREACHABLE();
}

QString entryKey(KneeboardSection section)
{
    return QString::fromLatin1(entryKeyOf(section));
}

// The line, then what the user should know beside it.
QString withNotes(const QString &line, const QStringList &notes)
{
    return notes.isEmpty() ? line : line + QStringLiteral(". ") + oneLine(notes);
}

} // namespace

QString ReportText::ofInstall(const InstallReport &report)
{
    if (report.failed())
        return tr("failed: %1").arg(oneLine({report.failureMessage()}));
    QStringList done;
    for (const InstallReport::Page &page : report.pages)
        done.append(pageDone(page));
    for (KneeboardSection section : report.withoutEntry)
        done.append(tr("no %1 entry to replace").arg(entryKey(section)));
    for (KneeboardSection section : report.alreadyNamed)
        done.append(tr("%1 entry already names the page").arg(entryKey(section)));
    done.append(report.cfgChanged ? tr("aircraft.cfg updated") : tr("aircraft.cfg left as it was"));
    if (report.backupMade)
        done.append(tr("backup made"));
    if (report.backupKept)
        done.append(tr("aircraft.bak kept, as it holds aircraft.cfg from before the player"));
    return withNotes(done.join(QStringLiteral(", ")), report.notes);
}

QString ReportText::ofRemoval(const RemovalReport &report)
{
    const QString done = report.done.join(QStringLiteral(", "));
    switch (report.outcome) {
    case RemovalReport::Outcome::NothingToRemove:
        return withNotes(tr("nothing to remove"), report.notes);
    case RemovalReport::Outcome::Failed:
        return withNotes(tr("failed: %1").arg(oneLine(report.failures))
                             + (done.isEmpty() ? QString() : tr(" Done: %1.").arg(done)),
                         report.notes);
    case RemovalReport::Outcome::Removed:
        break;
    }
    return withNotes(done, report.notes);
}

QStringList ReportText::leftAsItWas(const InstallReport &report)
{
    QStringList sentences;
    for (const InstallReport::Page &page : report.pages) {
        if (page.action == InstallReport::PageAction::AlreadyHeld)
            sentences.append(tr("The %1 page already holds the player: it was left as it was.")
                                 .arg(sectionTitle(page.section)));
    }
    for (KneeboardSection section : report.alreadyNamed)
        sentences.append(tr("The %1 entry of aircraft.cfg already names the page: it was left as it was.")
                             .arg(entryKey(section)));
    return sentences;
}
