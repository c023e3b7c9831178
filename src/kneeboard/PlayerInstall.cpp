#include "kneeboard/PlayerInstall.h"

#include "files/AtomicFile.h"
#include "files/FileNames.h"
#include "files/FileOperations.h"
#include "files/SyncToDisk.h"
#include "files/TemporaryFiles.h"
#include "kneeboard/BackupMatch.h"
#include "kneeboard/CfgRewrite.h"
#include "kneeboard/PageName.h"
#include "kneeboard/PlayerPage.h"
#include "simulator/SimulatorCodePages.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#include <algorithm>
#include <cerrno>

QList<InstallStep> installSteps(const InstallChoices &choices)
{
    QList<InstallStep> steps;
    if (choices.newFile && choices.checklist)
        steps.append({KneeboardSection::Checklist, false});
    if (choices.newFile && choices.reference)
        steps.append({KneeboardSection::Reference, false});
    // Add to existing has always done Reference before Checklist.
    if (choices.addToExisting && choices.reference)
        steps.append({KneeboardSection::Reference, true});
    if (choices.addToExisting && choices.checklist)
        steps.append({KneeboardSection::Checklist, true});
    return steps;
}

// A page as the steps so far have worked it out, waiting for finish().
struct PlayerInstall::StagedPage
{
    QString path;
    KneeboardSection section = KneeboardSection::Checklist;
    QByteArray entryStem = {};             // the page's name in the entry line
    std::optional<QByteArray> before = {}; // the page as it was, if it was there
    QByteArray content = {};               // what it becomes
    bool newFile = false;                  // a step asked for a page of its own
    std::unique_ptr<AtomicFile> file = {}; // written beside its place; none when it stays as it was
};

// A file written beside its place, and what to give it back should the
// install fail after it took that place.
struct PlayerInstall::Placement
{
    std::unique_ptr<AtomicFile> file;
    std::optional<QByteArray> before; // nothing: the file was not there
};

PlayerInstall::PlayerInstall(const Aircraft &aircraft, SimulatorCodePages &codePages)
    : aircraft(aircraft)
    , codePages(codePages)
{
}

PlayerInstall::~PlayerInstall() = default;

bool PlayerInstall::fail(const FileError &error)
{
    current.failure = error;
    staged.clear(); // the files written beside their places go
    return false;
}

PlayerInstall::StagedPage PlayerInstall::takeStaged(const QString &path)
{
    const auto earlier =
        std::find_if(staged.begin(), staged.end(), [&](const StagedPage &page) { return page.path == path; });
    if (earlier != staged.end()) {
        StagedPage page = std::move(*earlier);
        staged.erase(earlier);
        return page;
    }
    StagedPage page{path};
    if (QFileInfo::exists(path)) {
        QByteArray bytes;
        FileError error;
        if (!readWholeFile(path, &bytes, &error)) {
            fail(error);
            return page;
        }
        page.before = bytes;
        page.content = bytes;
    }
    return page;
}

bool PlayerInstall::stageFile(std::unique_ptr<AtomicFile> &file, const QString &path, QByteArrayView content)
{
    file = std::make_unique<AtomicFile>(path);
    return (file->open() && file->write(content) && file->prepare()) || fail(file->error());
}

bool PlayerInstall::stagePage(const InstallStep &step)
{
    if (current.failed())
        return false;
    if (!folderSwept) {
        current.notes += TemporaryFiles::removeLeftovers(aircraft.folder);
        folderSwept = true;
    }
    const int codePage = codePages.codePageOf(aircraft.folder);
    const std::optional<QByteArray> stem =
        SimulatorCodePages::encode(pageNameOf(aircraft.name, step.section), codePage);
    if (!stem) {
        current.refusal = codePageRefusal(aircraft.airFile, codePage);
        staged.clear();
        return false;
    }
    StagedPage page =
        takeStaged(existingCaseOf(aircraft.filePath(pageFileNameOf(aircraft.name, step.section))));
    if (current.failed())
        return false;
    page.section = step.section;
    page.entryStem = *stem;
    const QByteArray earlierContent = page.content;
    const QByteArray player = buildPlayerPage() + "\r\n";
    if (!step.addToExisting) {
        page.content = player;
        page.newFile = true;
    } else if (!holdsPlayer(page.content)) {
        page.content += player;
    }
    using Action = InstallReport::PageAction;
    const bool unchanged = page.before && page.content == *page.before;
    const Action action = unchanged ? Action::AlreadyHeld
        : page.newFile              ? Action::Written
        : page.before               ? Action::AppendedTo
                                    : Action::Created;
    // What an earlier step wrote beside the page stays, unless this one
    // changed it.
    if (unchanged || page.content != earlierContent)
        page.file.reset();
    if (!unchanged && !page.file && !stageFile(page.file, page.path, page.content))
        return false;
    const auto reported =
        std::find_if(current.pages.begin(), current.pages.end(),
                     [&](const InstallReport::Page &other) { return other.path == page.path; });
    if (reported != current.pages.end())
        reported->action = action;
    else
        current.pages.append({step.section, page.path, action});
    staged.push_back(std::move(page));
    return true;
}

bool PlayerInstall::configureCfg(bool backup)
{
    if (current.failed() || staged.empty())
        return false;
    if (!cfgBefore) {
        QByteArray cfg;
        FileError error;
        if (!readWholeFile(aircraft.filePath(QStringLiteral("aircraft.cfg")), &cfg, &error))
            return fail(error);
        cfgBefore = cfg;
        cfgAfter = cfg;
    }
    const StagedPage &page = staged.back();
    const CfgPass pass = installPass(page.section, cfgAfter);
    const QByteArray entry = entryKeyOf(page.section) + '=' + page.entryStem;
    QList<QByteArray> matched;
    const QByteArray rewritten = rewriteCfg(pass, cfgAfter, page.entryStem, &matched);
    current.cfgConfigured = true;
    backupWanted = backupWanted || backup;
    if (matched.isEmpty()) {
        if (!current.withoutEntry.contains(page.section))
            current.withoutEntry.append(page.section);
        return true;
    }
    // Entries that name the page already: the file stays as it is, without
    // the blank line a rewrite would add at its end.
    if (pass != CfgPass::Insertion
        && std::all_of(matched.begin(), matched.end(),
                       [&](const QByteArray &line) { return line == entry; })) {
        if (!current.alreadyNamed.contains(page.section))
            current.alreadyNamed.append(page.section);
        return true;
    }
    cfgAfter = rewritten;
    if (pass != CfgPass::Insertion)
        current.replacedLines += matched;
    for (qsizetype line = 0; line < matched.size(); ++line)
        current.addedLines.append(entry);
    return true;
}

bool PlayerInstall::stageBackup(std::vector<Placement> *placements)
{
    const QString path = existingCaseOf(aircraft.filePath(QStringLiteral("aircraft.bak")));
    Placement backup;
    if (QFileInfo::exists(path)) {
        QByteArray bytes;
        FileError error;
        if (!readWholeFile(path, &bytes, &error))
            return fail(error);
        QList<SectionInstalls> installs;
        const int codePage = codePages.codePageOf(aircraft.folder);
        for (KneeboardSection section : {KneeboardSection::Checklist, KneeboardSection::Reference}) {
            if (const auto stem = SimulatorCodePages::encode(pageNameOf(aircraft.name, section), codePage))
                installs.append({section, *stem});
        }
        if (bytes == *cfgBefore || installsMake(installs, bytes, *cfgBefore)) {
            current.backupKept = true;
            return true;
        }
        backup.before = bytes;
    }
    if (!stageFile(backup.file, path, *cfgBefore))
        return false;
    placements->push_back(std::move(backup));
    return true;
}

InstallReport PlayerInstall::finish()
{
    if (current.failed())
        return current;
    std::vector<Placement> placements;
    const bool cfgChanges = current.cfgConfigured && cfgAfter != *cfgBefore;
    if (cfgChanges && backupWanted && !stageBackup(&placements))
        return current;
    const bool backupPlaced = !placements.empty();
    for (StagedPage &page : staged) {
        if (page.file)
            placements.push_back({std::move(page.file), page.before});
    }
    staged.clear();
    if (cfgChanges) {
        Placement cfg{{}, cfgBefore};
        if (!stageFile(cfg.file, existingCaseOf(aircraft.filePath(QStringLiteral("aircraft.cfg"))), cfgAfter))
            return current;
        placements.push_back(std::move(cfg));
    }
    if (!place(placements))
        return current;
    current.cfgChanged = cfgChanges;
    current.backupMade = backupPlaced;
    if (!placements.empty() && !syncFolder(aircraft.folder))
        fail({QStringLiteral("sync"), aircraft.folder, qt_error_string(errno)});
    return current;
}

bool PlayerInstall::place(std::vector<Placement> &placements)
{
    for (std::size_t placed = 0; placed < placements.size(); ++placed) {
        if (!placements[placed].file->commit()) {
            const FileError error = placements[placed].file->error();
            undo(placements, placed);
            return fail(error);
        }
    }
    return true;
}

// Gives the first `placed` files their bytes of before the install, the last
// first.
void PlayerInstall::undo(const std::vector<Placement> &placements, std::size_t placed)
{
    while (placed-- > 0) {
        const Placement &placement = placements[placed];
        const QString path = placement.file->fileName();
        FileError error;
        if (placement.before ? !writeWholeFile(path, *placement.before, &error) : !removeFile(path, &error))
            current.notes.append(QCoreApplication::translate("PlayerInstall",
                                                             "\"%1\" could not be given its content of "
                                                             "before the install: %2")
                                     .arg(QDir::toNativeSeparators(path), error.reason));
    }
}

InstallReport installPlayer(const Aircraft &aircraft, const InstallChoices &choices,
                            SimulatorCodePages &codePages)
{
    PlayerInstall install(aircraft, codePages);
    for (const InstallStep &step : installSteps(choices)) {
        if (!install.stagePage(step) || (choices.configureCfg && !install.configureCfg(choices.backupCfg)))
            break;
    }
    return install.finish();
}

InstallReport installPlayer(const QString &airPath, const InstallChoices &choices,
                            SimulatorCodePages &codePages)
{
    const std::optional<Aircraft> aircraft = Aircraft::fromAirPath(airPath);
    if (aircraft)
        return installPlayer(*aircraft, choices, codePages);
    InstallReport refused;
    refused.refusal = tooShortToNameMessage(QFileInfo(airPath).fileName());
    return refused;
}
