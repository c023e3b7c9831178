#pragma once

#include "kneeboard/Aircraft.h"
#include "kneeboard/InstallChoices.h"
#include "kneeboard/InstallReport.h"
#include "kneeboard/KneeboardSection.h"

#include <memory>
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
// Nothing reaches the user's files before finish(), and finish() orders its
// writes so that a failure at any of them, followed by the same install
// again, ends where one uninterrupted install ends:
//  1. aircraft.bak, when asked for, gets aircraft.cfg as it was before the
//     install (once, however many sections);
//  2. aircraft.cfg gets every section's entries at once;
//  3. the pages, already written beside their places, take those places.
// The pages come last because adding to a page cannot be repeated without
// adding the player twice; aircraft.bak and aircraft.cfg come out the same
// when written again. Should a page fail to take its place, the pages added
// to and aircraft.cfg get their bytes of before back, so that the install
// run again starts from where this one did.
class PlayerInstall
{
public:
    // `codePages` tells the code page the entries name the pages in.
    PlayerInstall(const Aircraft &aircraft, SimulatorCodePages &codePages);
    ~PlayerInstall();

    // Writes the section's page beside its place: the player alone, or after
    // the last byte of the page there. False, with the report's failure,
    // when it cannot be named or written.
    bool stagePage(const InstallStep &step);
    // Works out aircraft.cfg with the entry of the section staged last,
    // reading the file the first time; `backup` asks for aircraft.bak.
    bool configureCfg(bool backup);
    // Writes what the steps worked out, as above.
    InstallReport finish();

    const InstallReport &report() const { return current; }

private:
    struct StagedPage;

    bool fail(const FileError &error);
    bool putPagesInPlace();
    void undoAfter(qsizetype placedPages);

    Aircraft aircraft;
    SimulatorCodePages &codePages;
    InstallReport current;
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
