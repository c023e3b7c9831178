#include "kneeboard/PlayerInstall.h"

#include "files/AtomicFile.h"
#include "files/FileNames.h"
#include "files/FileOperations.h"
#include "kneeboard/CfgRewrite.h"
#include "kneeboard/PageName.h"
#include "kneeboard/PlayerPage.h"
#include "simulator/SimulatorCodePages.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <algorithm>

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

// A page written beside its place, waiting for finish().
struct PlayerInstall::StagedPage
{
    InstallStep step;
    QByteArray entryStem; // the page's name in the entry line
    std::unique_ptr<AtomicFile> file;
    // Added to what was on disk: run again, it would add the player again.
    bool addedToDisk = false;
    std::optional<QByteArray> before = {}; // that page as it was, if it was there
    QByteArray content = {};
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
    staged.clear(); // the pages written beside their places go
    return false;
}

bool PlayerInstall::stagePage(const InstallStep &step)
{
    if (current.failed())
        return false;
    const int codePage = codePages.codePageOf(aircraft.folder);
    const std::optional<QByteArray> stem =
        SimulatorCodePages::encode(pageNameOf(aircraft.name, step.section), codePage);
    if (!stem) {
        current.refusal = codePageRefusal(aircraft.airFile, codePage);
        staged.clear();
        return false;
    }
    const QString path = existingCaseOf(aircraft.filePath(pageFileNameOf(aircraft.name, step.section)));
    StagedPage page{.step = step, .entryStem = *stem, .file = std::make_unique<AtomicFile>(path)};
    // Added to a page that an earlier step wrote: to what that step wrote,
    // which this page then replaces.
    const auto earlier = std::find_if(staged.begin(), staged.end(), [&](const StagedPage &other) {
        return other.file->fileName() == path;
    });
    if (step.addToExisting && earlier != staged.end()) {
        page.content = earlier->content;
        page.addedToDisk = earlier->addedToDisk;
        page.before = earlier->before;
    } else if (step.addToExisting) {
        page.addedToDisk = true;
        FileError error;
        if (QFileInfo::exists(path) && !readWholeFile(path, &page.content, &error))
            return fail(error);
        if (QFileInfo::exists(path))
            page.before = page.content;
    }
    if (earlier != staged.end())
        staged.erase(earlier);
    page.content += buildPlayerPage() + "\r\n";
    if (!page.file->open() || !page.file->write(page.content) || !page.file->prepare())
        return fail(page.file->error());
    const InstallReport::PageAction action = !step.addToExisting ? InstallReport::PageAction::Written
        : page.before                                            ? InstallReport::PageAction::AppendedTo
                                                                 : InstallReport::PageAction::Created;
    current.pages.append({step.section, path, action});
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
    const CfgPass pass = installPass(page.step.section, cfgAfter);
    QList<QByteArray> matched;
    cfgAfter = rewriteCfg(pass, cfgAfter, page.entryStem, &matched);
    if (matched.isEmpty())
        current.withoutEntry.append(page.step.section);
    if (pass != CfgPass::Insertion)
        current.replacedLines += matched;
    const QByteArray entry = entryKeyOf(page.step.section) + '=' + page.entryStem;
    for (qsizetype line = 0; line < matched.size(); ++line)
        current.addedLines.append(entry);
    current.cfgConfigured = true;
    backupWanted = backupWanted || backup;
    return true;
}

InstallReport PlayerInstall::finish()
{
    if (current.failed())
        return current;
    const QString cfgPath = aircraft.filePath(QStringLiteral("aircraft.cfg"));
    FileError error;
    if (backupWanted) {
        if (!writeWholeFile(aircraft.filePath(QStringLiteral("aircraft.bak")), *cfgBefore, &error)) {
            fail(error);
            return current;
        }
        current.backupMade = true;
    }
    if (current.cfgConfigured && cfgAfter != *cfgBefore) {
        if (!writeWholeFile(cfgPath, cfgAfter, &error)) {
            fail(error);
            return current;
        }
        current.cfgChanged = true;
    }
    putPagesInPlace();
    return current;
}

bool PlayerInstall::putPagesInPlace()
{
    for (std::size_t placed = 0; placed < staged.size(); ++placed) {
        if (!staged[placed].file->commit()) {
            const FileError error = staged[placed].file->error();
            undoAfter(qsizetype(placed));
            return fail(error);
        }
    }
    staged.clear();
    return true;
}

// Gives the pages added to before page `placedPages`, and aircraft.cfg, their
// bytes of before the install.
void PlayerInstall::undoAfter(qsizetype placedPages)
{
    FileError error;
    for (qsizetype i = 0; i < placedPages; ++i) {
        const StagedPage &page = staged[std::size_t(i)];
        const QString path = page.file->fileName();
        if (!page.addedToDisk)
            continue;
        if (page.before ? !writeWholeFile(path, *page.before, &error) : !QFile::remove(path))
            current.notes.append(
                QStringLiteral("\"%1\" could not be given its content of before the install.")
                    .arg(QDir::toNativeSeparators(path)));
    }
    if (current.cfgChanged) {
        if (writeWholeFile(aircraft.filePath(QStringLiteral("aircraft.cfg")), *cfgBefore, &error))
            current.cfgChanged = false;
        else
            current.notes.append(error.message());
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
