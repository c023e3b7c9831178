#pragma once

#include "kneeboard/KneeboardSection.h"
#include "simulator/SimulatorCodePages.h"

#include <QByteArray>

struct Aircraft;
#include <QList>
#include <QStringList>

// What taking the player out of one aircraft did.
struct RemovalReport
{
    enum class Outcome { Removed, NothingToRemove, Failed };
    Outcome outcome = Outcome::NothingToRemove;
    QStringList done;     // "Checklist page deleted", "aircraft.cfg restored from aircraft.bak", ...
    QStringList notes;    // what the user should know of what was done
    QStringList failures; // what was left undone, and why
};

// Takes the player out of aircraft again, after an install of the window or
// of the command line. The player goes from the page: a page that holds only
// the player (one or more copies) is deleted, a page that ends with it is cut
// back to the bytes before it. aircraft.cfg goes back to aircraft.bak's bytes
// when the install's rewrite of those bytes gives exactly today's file; else
// only the entry lines naming the page are taken out. Everything is worked
// out before anything is written: a page that holds the player among other
// lines, or a file that cannot be read, leaves its section as it was.
class PlayerRemoval
{
public:
    PlayerRemoval();

    // Takes the player out of the sections of the aircraft whose flight model
    // is `airPath`.
    RemovalReport remove(const QString &airPath, const QList<KneeboardSection> &sections);

    // What the removal works out before it writes (defined in the source).
    struct SectionRemoval;
    struct CfgResult;

private:
    // Reads the pages of `sections` and works out what becomes of each; false
    // when one cannot be read or named, and nothing is to be written.
    bool planPages(const Aircraft &aircraft, const QList<KneeboardSection> &sections,
                   QList<SectionRemoval> *removals, RemovalReport *report);
    // Works out aircraft.cfg, then writes it and the pages.
    void removeFrom(const QString &folder, QList<SectionRemoval> &removals, RemovalReport *report);
    // aircraft.cfg without the entries of `removals`: the backup's bytes
    // where an install made `cfg` of them, else `cfg` without the lines naming
    // the pages.
    static CfgResult cfgAfter(QList<SectionRemoval> &removals, const QByteArray &cfg,
                              const QByteArray *backup, RemovalReport *report);

    QByteArray playerCopy; // the player and its CR LF, as an install writes it
    SimulatorCodePages codePages;
};
