#pragma once

#include "installer/KneeboardSection.h"
#include "simulator/SimulatorCodePages.h"

#include <QByteArray>
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

private:
    QByteArray playerCopy; // the player and its CR LF, as an install writes it
    SimulatorCodePages codePages;
};
