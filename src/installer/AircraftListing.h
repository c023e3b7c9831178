#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

// A page that an entry of aircraft.cfg names, and whether it holds the player.
struct ListedPage
{
    enum class State { Player, NoPlayer, Missing, Unreadable };
    QByteArray name; // as the entry has it, after its '='
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
    QString problem = {}; // why aircraft.cfg could not be read

    // Whether a page of either section holds the player.
    bool holdsPlayer() const;
};

// Reads aircraft for list, changing nothing.
class AircraftListing
{
public:
    AircraftListing();

    // The .air files below `folder`, in the order of their paths.
    static QStringList airFilesBelow(const QString &folder);

    // `cfg`, when given, receives the bytes of the aircraft's aircraft.cfg.
    ListedAircraft describe(const QString &airPath, QByteArray *cfg = nullptr);

private:
    ListedPage pageOf(const QString &folder, QByteArrayView entry);

    QByteArray player;
    QByteArray content; // the room each file is read into
};

// The word list prints for a page's state: "player", "no player", ...
QString stateWord(ListedPage::State state);
