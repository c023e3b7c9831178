#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

#include <functional>

#include "simulator/SimulatorCodePages.h"

// A page that an entry of aircraft.cfg names, and whether it holds the player.
struct ListedPage
{
    enum class State { Player, NoPlayer, Missing, Unreadable };
    QByteArray name; // as the entry has it, after its '='
    QString text;    // that name read in the code page FS2004 reads aircraft.cfg in
    State state = State::Missing;
    QString problem = {}; // Unreadable: why
};

// What list says of one aircraft.
struct ListedAircraft
{
    QString folder;              // with native separators
    QString airFile;             // the .air file's name
    QList<ListedPage> checklist; // each page named once, in the order of the entries
    QList<ListedPage> reference;
    QString problem = {}; // why aircraft.cfg, or the folder, could not be read

    // Whether a page of either section holds the player.
    bool holdsPlayer() const;
};

// Reads aircraft for list, changing nothing.
class AircraftListing
{
public:
    // The .air files below `folder`, in the order of their paths. An entry whose
    // name cannot be read (not in the encoding of file names) goes to
    // `unreadable`, with the reason, in place of what it holds. `stopAsked`,
    // when given, is asked before each folder is read: once it says to stop,
    // the walk ends with nothing found.
    static QStringList airFilesBelow(const QString &folder, QList<ListedAircraft> *unreadable,
                                     const std::function<bool()> &stopAsked = {});

    // `cfg`, when given, receives the bytes of the aircraft's aircraft.cfg.
    ListedAircraft describe(const QString &airPath, QByteArray *cfg = nullptr);

private:
    ListedPage pageOf(const QString &folder, QByteArrayView entry, int codePage);

    SimulatorCodePages codePages;
    QByteArray content; // the room each file is read into
};

// The word list prints for a page's state: "player", "no player", ...
QString stateWord(ListedPage::State state);
