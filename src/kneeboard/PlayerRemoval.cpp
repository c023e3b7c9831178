#include "kneeboard/PlayerRemoval.h"

#include "files/FileNames.h"
#include "files/FileOperations.h"
#include "files/SyncToDisk.h"
#include "files/TemporaryFiles.h"
#include "kneeboard/Aircraft.h"
#include "kneeboard/BackupMatch.h"
#include "kneeboard/CfgRewrite.h"
#include "kneeboard/PageName.h"
#include "kneeboard/PlayerPage.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cerrno>

namespace {

enum class PageState {
    Missing,         // no page of that name
    WithoutPlayer,   // a page of the aircraft's own
    PlayerElsewhere, // the player among other lines, or lines added after it
    OnlyPlayer,      // what New File writes, or Add to existing creates
    PlayerAtEnd,     // what Add to existing makes of an existing page
};

} // namespace

// One section's removal, worked out before anything is written.
struct PlayerRemoval::SectionRemoval
{
    KneeboardSection section;
    QString pagePath;         // as the page is named on disk
    QByteArray pageStem = {}; // as the entry line names the page
    PageState page = PageState::Missing;
    QByteArray keptPage = {}; // PlayerAtEnd: the bytes before the player
    int copies = 1;           // of the player at the page's end: the installs to undo

    bool pageGone() const { return page == PageState::Missing || page == PageState::OnlyPlayer; }
};

// What removal makes of aircraft.cfg.
struct PlayerRemoval::CfgResult
{
    QByteArray bytes;
    bool restored = false;       // to the backup's bytes
    bool entriesRemoved = false; // lines naming the page
};

namespace {

using SectionRemoval = PlayerRemoval::SectionRemoval;

// What `page` is to the removal of `playerCopy`, and what is left of it
// without the copies at its end.
void classify(const QByteArray &page, const QByteArray &playerCopy, SectionRemoval *removal)
{
    QByteArrayView rest = page;
    int copies = 0;
    for (; rest.endsWith(playerCopy); ++copies)
        rest.chop(playerCopy.size());
    if (copies == 0) {
        removal->page = holdsPlayer(page) ? PageState::PlayerElsewhere : PageState::WithoutPlayer;
        return;
    }
    removal->copies = copies;
    removal->keptPage = rest.toByteArray();
    removal->page = rest.isEmpty() ? PageState::OnlyPlayer : PageState::PlayerAtEnd;
}

// Reads a file that may be missing: false, with `failure`, when it exists and
// cannot be read; `found` says whether it exists.
bool readIfThere(const QString &path, QByteArray *content, bool *found, QStringList *failures)
{
    *found = QFileInfo::exists(path);
    FileError error;
    if (!*found || readWholeFile(path, content, &error))
        return true;
    failures->append(error.message());
    return false;
}

} // namespace

PlayerRemoval::PlayerRemoval()
    : playerCopy(buildPlayerPage() + "\r\n")
{
}

RemovalReport PlayerRemoval::remove(const QString &airPath, const QList<KneeboardSection> &sections)
{
    RemovalReport report;
    const std::optional<Aircraft> aircraft = Aircraft::fromAirPath(airPath);
    if (!aircraft) {
        report.failures.append(tooShortToNameMessage(QFileInfo(airPath).fileName()));
    } else {
        report.notes += TemporaryFiles::removeLeftovers(aircraft->folder);
        QList<SectionRemoval> removals;
        if (planPages(*aircraft, sections, &removals, &report) && !removals.isEmpty())
            removeFrom(aircraft->folder, removals, &report);
    }
    report.outcome = !report.failures.isEmpty() ? RemovalReport::Outcome::Failed
        : report.done.isEmpty()                 ? RemovalReport::Outcome::NothingToRemove
                                                : RemovalReport::Outcome::Removed;
    return report;
}

bool PlayerRemoval::planPages(const Aircraft &aircraft, const QList<KneeboardSection> &sections,
                              QList<SectionRemoval> *removals, RemovalReport *report)
{
    const int codePage = codePages.codePageOf(aircraft.folder);
    for (KneeboardSection section : sections) {
        SectionRemoval removal{.section = section,
                               .pagePath =
                                   existingCaseOf(aircraft.filePath(pageFileNameOf(aircraft.name, section)))};
        const std::optional<QByteArray> stem =
            SimulatorCodePages::encode(pageNameOf(aircraft.name, section), codePage);
        if (!stem) {
            report->failures.append(codePageRefusal(aircraft.airFile, codePage));
            return false;
        }
        removal.pageStem = *stem;
        QByteArray page;
        bool found = false;
        if (!readIfThere(removal.pagePath, &page, &found, &report->failures))
            return false;
        if (found)
            classify(page, playerCopy, &removal);
        if (removal.page == PageState::PlayerElsewhere)
            report->failures.append(
                QCoreApplication::translate("PlayerRemoval",
                                            "The %1 page \"%2\" holds the player among other lines, or "
                                            "was changed after the install: it was left as it was, and "
                                            "so was its entry in aircraft.cfg.")
                    .arg(sectionNoun(section), QDir::toNativeSeparators(removal.pagePath)));
        if (removal.page != PageState::PlayerElsewhere && removal.page != PageState::WithoutPlayer)
            removals->append(removal);
    }
    return true;
}

void PlayerRemoval::removeFrom(const QString &folder, QList<SectionRemoval> &removals, RemovalReport *report)
{
    const QString cfgPath = existingCaseOf(folder + QStringLiteral("aircraft.cfg"));
    QByteArray cfg;
    QByteArray backup;
    bool cfgFound = false;
    bool backupFound = false;
    if (!readIfThere(cfgPath, &cfg, &cfgFound, &report->failures)
        || !readIfThere(existingCaseOf(folder + QStringLiteral("aircraft.bak")), &backup, &backupFound,
                        &report->failures))
        return;
    // A page that is not there was taken out by hand: only an entry naming it
    // is left to remove.
    removals.removeIf([&](const SectionRemoval &removal) {
        return removal.page == PageState::Missing
            && withoutEntriesNaming(removal.section, cfg, removal.pageStem).size() == cfg.size();
    });
    const CfgResult newCfg = cfgAfter(removals, cfg, backupFound ? &backup : nullptr, report);

    // Nothing has been written so far. aircraft.cfg first, then the pages:
    // whether aircraft.bak may be restored can only be told while the pages
    // still hold the player, so that a removal cut short after aircraft.cfg
    // and run again restores nothing more and only deletes or cuts back the
    // pages; and no entry is left naming a page that is gone. A page that
    // cannot be deleted or cut back (on Windows, while FS2004 has it open)
    // does not keep the others: the report names it, and the removal run
    // again finishes it.
    FileError error;
    if (cfgFound && newCfg.bytes != cfg) {
        if (!writeWholeFile(cfgPath, newCfg.bytes, &error)) {
            report->failures.append(error.message());
            return;
        }
        if (newCfg.restored)
            report->done.append(
                QCoreApplication::translate("PlayerRemoval", "aircraft.cfg restored from aircraft.bak"));
        if (newCfg.entriesRemoved)
            report->done.append(
                QCoreApplication::translate("PlayerRemoval", "entries removed from aircraft.cfg"));
    }
    for (const SectionRemoval &removal : removals) {
        const QString section = sectionTitle(removal.section);
        if (removal.page == PageState::OnlyPlayer && removeFile(removal.pagePath, &error)) {
            report->done.append(QCoreApplication::translate("PlayerRemoval", "%1 page deleted").arg(section));
        } else if (removal.page == PageState::PlayerAtEnd
                   && writeWholeFile(removal.pagePath, removal.keptPage, &error)) {
            report->done.append(
                QCoreApplication::translate("PlayerRemoval", "player cut from the %1 page").arg(section));
        } else if (removal.page != PageState::Missing) {
            report->failures.append(error.message());
            report->notes.append(
                QCoreApplication::translate("PlayerRemoval",
                                            "The %1 page still holds the player: run the "
                                            "removal again once no other program has it open.")
                    .arg(sectionNoun(removal.section)));
        }
    }
    if (!report->done.isEmpty() && !syncFolder(folder))
        report->failures.append(FileError{QStringLiteral("sync"), folder, qt_error_string(errno)}.message());
}

PlayerRemoval::CfgResult PlayerRemoval::cfgAfter(QList<SectionRemoval> &removals, const QByteArray &cfg,
                                                 const QByteArray *backup, RemovalReport *report)
{
    CfgResult result{cfg};
    QList<SectionInstalls> installs;
    for (const SectionRemoval &removal : removals)
        installs.append({removal.section, removal.pageStem, removal.copies});
    if (backup && installsMake(installs, *backup, cfg)) {
        result.bytes = *backup;
        result.restored = true;
    }
    for (const SectionRemoval &removal : removals) {
        const QByteArray without = withoutEntriesNaming(removal.section, result.bytes, removal.pageStem);
        // A page that stays, cut back to the aircraft's own lines, keeps the
        // entries that name it.
        if (without.size() == result.bytes.size() || !removal.pageGone())
            continue;
        result.bytes = without;
        result.entriesRemoved = true;
        const QString why = backup
            ? QCoreApplication::translate("PlayerRemoval", "aircraft.bak did not match aircraft.cfg")
            : QCoreApplication::translate("PlayerRemoval", "there is no aircraft.bak");
        report->notes.append(
            QCoreApplication::translate("PlayerRemoval",
                                        "The %1 entry that the install replaced could not be "
                                        "restored: %2. Only the entries naming %3 were removed.")
                .arg(sectionNoun(removal.section), why, QString::fromLocal8Bit(removal.pageStem)));
    }
    return result;
}
