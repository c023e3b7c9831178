#pragma once

#include "kneeboard/Aircraft.h"
#include "kneeboard/InstallChoices.h"
#include "kneeboard/InstallReport.h"
#include "kneeboard/KneeboardSection.h"

#include <memory>
#include <optional>
#include <vector>

class AtomicFile;
class SimulatorCodePages;

// One step of an install: the page of a section, new or added to.
struct InstallStep
{
    KneeboardSection section;
    bool addToExisting;
};

// The steps `choices` ask for, in the order Write has always taken them:
// New File's Checklist and Reference, then Add to existing's Reference
// before its Checklist.
QList<InstallStep> installSteps(const InstallChoices &choices);

// Puts the player into one aircraft, step by step, so that a front end can
// ask its questions between the steps: stage each section's page, configure
// aircraft.cfg for it (or not), then finish.
//
// The same install twice ends where it ends once: a page that holds the
// player already gets no second copy, an aircraft.cfg whose entry lines are
// already those the install writes is not written, and aircraft.bak is
// written only when aircraft.cfg changes, and never over a backup from which
// installs of the player made today's aircraft.cfg: the backup stays the
// aircraft's own.
//
// Nothing reaches the user's files before finish(). It first writes every
// new file beside its place, all of it on disk, then puts them in place in
// this order, and syncs the folder before it reports:
//  1. aircraft.bak, with aircraft.cfg as it is before the install;
//  2. the pages;
//  3. aircraft.cfg, with the entries naming the pages.
// aircraft.cfg comes last, so that it never names a page that is not there;
// the pages before it, since an install run again leaves a page that holds
// the player as it is; the backup first, so that it holds aircraft.cfg
// before anything else changes. Killed at any instant, each file is as it was
// or as the install leaves it, and the same install run again (deleting the
// temporary files left, see TemporaryFiles.h) ends where one uninterrupted
// install ends. Should a file fail to take its place, those put in place
// before it get their bytes of before back, the aircraft's own page that New
// File replaced among them: a failed install changes nothing.
class PlayerInstall
{
public:
    // `codePages` tells the code page the entries name the pages in.
    PlayerInstall(const Aircraft &aircraft, SimulatorCodePages &codePages);
    ~PlayerInstall();

    // Works out the section's page: the player alone, or after the last byte
    // of the page there, unless it holds the player already; writes it beside
    // its place. False, with the report's failure, when it cannot be named,
    // read or written.
    bool stagePage(const InstallStep &step);
    // Works out aircraft.cfg with the entry of the section staged last,
    // reading the file the first time; `backup` asks for aircraft.bak.
    bool configureCfg(bool backup);
    // Writes what the steps worked out, as above.
    InstallReport finish();

    const InstallReport &report() const { return current; }

private:
    struct StagedPage;
    struct Placement;

    bool fail(const FileError &error);
    StagedPage takeStaged(const QString &path);
    bool stageFile(std::unique_ptr<AtomicFile> &file, const QString &path, QByteArrayView content);
    bool stageBackup(std::vector<Placement> *placements);
    bool place(std::vector<Placement> &placements);
    void undo(const std::vector<Placement> &placements, std::size_t placed);

    Aircraft aircraft;
    SimulatorCodePages &codePages;
    InstallReport current;
    bool folderSwept = false;
    std::vector<StagedPage> staged;
    std::optional<QByteArray> cfgBefore; // as read, once
    QByteArray cfgAfter;
    bool backupWanted = false;
};

// The whole install of `choices` into `aircraft`, with the questions answered
// by the choices.
InstallReport installPlayer(const Aircraft &aircraft, const InstallChoices &choices,
                            SimulatorCodePages &codePages);
// The same for the aircraft whose flight model is `airPath`; refused when its
// name is too short to name an aircraft.
InstallReport installPlayer(const QString &airPath, const InstallChoices &choices,
                            SimulatorCodePages &codePages);
