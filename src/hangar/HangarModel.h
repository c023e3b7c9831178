#pragma once

#include "kneeboard/HangarAircraft.h"

#include <QAbstractItemModel>
#include <QHash>
#include <QList>

#include <memory>
#include <vector>

// The aircraft of the hangar as the simulator's aircraft menu groups them: a
// row for each manufacturer, below it a row for each aircraft. Rows keep the
// order they were added in; a view sorts them through a proxy. Adding an
// aircraft costs the same however many are listed.
class HangarModel : public QAbstractItemModel
{
    Q_OBJECT

public:
    enum Column { AircraftColumn, FolderColumn, ChecklistColumn, ReferenceColumn, ColumnCount };
    enum Role {
        SortRole = Qt::UserRole, // what a column sorts by
        FilterRole,              // the title, manufacturer and folder of an aircraft; empty for a group
    };

    explicit HangarModel(QObject *parent = nullptr);

    // Adds each aircraft, or puts it in the place of the one listed with the
    // same .air file (by its canonical path, HangarAircraft::key). One read
    // again on its own keeps the folder it was found in.
    void add(const QList<HangarAircraft> &aircraft);

    // The aircraft of a row; nothing for a manufacturer's row.
    const HangarAircraft *aircraftAt(const QModelIndex &index) const;

    qsizetype aircraftCount() const { return total; }
    qsizetype withPlayerCount() const { return withPlayer; }

    QModelIndex index(int row, int column, const QModelIndex &parent = {}) const override;
    QModelIndex parent(const QModelIndex &child) const override;
    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

signals:
    // The counts changed.
    void countsChanged();

private:
    // A manufacturer's row. Its aircraft's indexes point to it, so that they
    // keep their parent when rows of other manufacturers come and go.
    struct Group
    {
        QString manufacturer;
        QList<HangarAircraft> aircraft;
        int row = 0;
    };
    // Where a listed aircraft is.
    struct Place
    {
        Group *group = nullptr;
        int row = 0;
    };

    // Puts `aircraft` in the place of the listed one at `place`; false when
    // that one is listed under another manufacturer, and was taken out.
    bool replace(Place place, HangarAircraft aircraft);
    void insert(const QList<HangarAircraft> &aircraft);
    void removeAircraft(Place place);
    Group *groupOf(const QModelIndex &index) const;
    void countChange(qsizetype aircraft, qsizetype withPlayer);

    std::vector<std::unique_ptr<Group>> groups;
    QHash<QString, Group *> groupsByManufacturer;
    QHash<QString, Place> places; // of each aircraft, by its key
    qsizetype total = 0;
    qsizetype withPlayer = 0;
};
