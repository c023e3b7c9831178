#include "hangar/HangarModel.h"

#include <QDir>
#include <QFileInfo>

#include <algorithm>

namespace {

QString manufacturerText(const QString &manufacturer)
{
    return manufacturer.isEmpty() ? HangarModel::tr("(No manufacturer)") : manufacturer;
}

QString stateText(ListedPage::State state)
{
    switch (state) {
    case ListedPage::State::Player:
        return HangarModel::tr("holds the player");
    case ListedPage::State::NoPlayer:
        return HangarModel::tr("no player");
    case ListedPage::State::Missing:
        return HangarModel::tr("page missing");
    case ListedPage::State::Unreadable:
        return HangarModel::tr("cannot be read");
    }
    Q_UNREACHABLE();
}

// What the Checklist or Reference column says of an aircraft's pages, and
// their order: the player first, then a page without it, a missing page, an
// unreadable one, no entry and an unreadable aircraft.cfg.
struct SectionCell
{
    QString text;
    QString toolTip;
    int rank = 0;
};

SectionCell sectionCell(const HangarAircraft &aircraft, const QList<ListedPage> &pages)
{
    if (!aircraft.listing.problem.isEmpty())
        return {HangarModel::tr("cannot be read"), aircraft.listing.problem, 5};
    if (pages.isEmpty())
        return {HangarModel::tr("no entry"), HangarModel::tr("aircraft.cfg names no page"), 4};
    SectionCell cell{{}, {}, int(ListedPage::State::Unreadable)};
    QStringList texts;
    QStringList tips;
    for (qsizetype i = 0; i < pages.size(); ++i) {
        const QString text = QStringLiteral("%1 (%2)").arg(stateText(pages[i].state), pages[i].text);
        texts.append(text);
        tips.append(pages[i].problem.isEmpty() ? text : text + QStringLiteral(": ") + pages[i].problem);
        cell.rank = std::min(cell.rank, int(pages[i].state));
    }
    return {texts.join(QStringLiteral("; ")), tips.join(QLatin1Char('\n')), cell.rank};
}

QString aircraftText(const HangarAircraft &aircraft)
{
    if (!aircraft.listing.problem.isEmpty())
        return aircraft.title;
    const qsizetype count = aircraft.variations.size();
    return (count == 1 ? HangarModel::tr("%1 (%2 variation)") : HangarModel::tr("%1 (%2 variations)"))
        .arg(aircraft.title)
        .arg(count);
}

// The aircraft's folder below the folder it was found in; its name when it is
// that folder, its whole path when it was found on its own.
QString shownFolder(const HangarAircraft &aircraft)
{
    if (aircraft.foundIn.isEmpty())
        return aircraft.listing.folder;
    const QString folder = QFileInfo(aircraft.airPath).path();
    const QString below = QDir(aircraft.foundIn).relativeFilePath(folder);
    return below == QLatin1String(".") ? QFileInfo(folder).fileName() : QDir::toNativeSeparators(below);
}

QVariant aircraftData(const HangarAircraft &aircraft, int column, int role)
{
    if (role == HangarModel::FilterRole)
        return QStringList{aircraft.title, aircraft.manufacturer, aircraft.listing.folder}.join(
            QLatin1Char('\n'));
    const QString problem = aircraft.listing.problem;
    switch (column) {
    case HangarModel::AircraftColumn:
        if (role == Qt::DisplayRole)
            return aircraftText(aircraft);
        if (role == Qt::ToolTipRole)
            return problem.isEmpty() ? aircraft.variations.join(QLatin1Char('\n')) : problem;
        if (role == HangarModel::SortRole)
            return aircraft.title;
        break;
    case HangarModel::FolderColumn:
        if (role == Qt::DisplayRole || role == HangarModel::SortRole)
            return shownFolder(aircraft);
        if (role == Qt::ToolTipRole)
            return aircraft.listing.folder;
        break;
    case HangarModel::ChecklistColumn:
    case HangarModel::ReferenceColumn: {
        const bool checklist = column == HangarModel::ChecklistColumn;
        const SectionCell cell =
            sectionCell(aircraft, checklist ? aircraft.listing.checklist : aircraft.listing.reference);
        if (role == Qt::DisplayRole)
            return cell.text;
        if (role == Qt::ToolTipRole)
            return cell.toolTip;
        if (role == HangarModel::SortRole)
            return cell.rank;
        break;
    }
    default:
        break;
    }
    return {};
}

} // namespace

HangarModel::HangarModel(QObject *parent)
    : QAbstractItemModel(parent)
{
}

void HangarModel::add(const QList<HangarAircraft> &aircraft)
{
    const qsizetype totalBefore = total;
    const qsizetype withPlayerBefore = withPlayer;
    QList<HangarAircraft> fresh;
    QHash<QString, qsizetype> freshAt; // by key
    for (HangarAircraft one : aircraft) {
        if (const auto listed = places.constFind(one.key); listed != places.cend()) {
            const Place place = *listed;
            if (one.foundIn.isEmpty())
                one.foundIn = place.group->aircraft[place.row].foundIn;
            if (replace(place, one))
                continue;
        }
        // Met twice in one batch: the later reading counts.
        if (const auto met = freshAt.constFind(one.key); met != freshAt.cend()) {
            fresh[*met] = one;
        } else {
            freshAt.insert(one.key, fresh.size());
            fresh.append(one);
        }
    }
    insert(fresh);
    if (total != totalBefore || withPlayer != withPlayerBefore)
        emit countsChanged();
}

bool HangarModel::replace(Place place, HangarAircraft aircraft)
{
    HangarAircraft &listed = place.group->aircraft[place.row];
    if (place.group->manufacturer != aircraft.manufacturer) {
        removeAircraft(place);
        return false;
    }
    withPlayer += int(aircraft.listing.holdsPlayer()) - int(listed.listing.holdsPlayer());
    listed = std::move(aircraft);
    emit dataChanged(createIndex(place.row, 0, place.group),
                     createIndex(place.row, ColumnCount - 1, place.group));
    return true;
}

void HangarModel::insert(const QList<HangarAircraft> &aircraft)
{
    // Those of a listed manufacturer join its row; the others make new rows,
    // in the order they are met.
    QList<std::pair<Group *, QList<HangarAircraft>>> joining;
    QHash<Group *, qsizetype> joiningAt;
    std::vector<std::unique_ptr<Group>> newGroups;
    QHash<QString, Group *> newGroupsByManufacturer;
    for (const HangarAircraft &one : aircraft) {
        ++total;
        withPlayer += one.listing.holdsPlayer() ? 1 : 0;
        if (Group *listed = groupsByManufacturer.value(one.manufacturer)) {
            auto at = joiningAt.constFind(listed);
            if (at == joiningAt.cend()) {
                at = joiningAt.insert(listed, joining.size());
                joining.emplaceBack(listed, QList<HangarAircraft>());
            }
            joining[*at].second.append(one);
            continue;
        }
        Group *&group = newGroupsByManufacturer[one.manufacturer];
        if (!group) {
            newGroups.push_back(std::make_unique<Group>(Group{one.manufacturer, {}, 0}));
            group = newGroups.back().get();
        }
        group->aircraft.append(one);
    }
    const auto place = [this](Group *group, int first) {
        for (int row = first; row < group->aircraft.size(); ++row)
            places.insert(group->aircraft[row].key, {group, row});
    };
    for (auto &[group, joined] : joining) {
        const int first = int(group->aircraft.size());
        beginInsertRows(createIndex(group->row, 0, nullptr), first, first + int(joined.size()) - 1);
        group->aircraft.append(joined);
        place(group, first);
        endInsertRows();
    }
    if (newGroups.empty())
        return;
    const int first = int(groups.size());
    beginInsertRows({}, first, first + int(newGroups.size()) - 1);
    for (std::unique_ptr<Group> &group : newGroups) {
        group->row = int(groups.size());
        place(group.get(), 0);
        groupsByManufacturer.insert(group->manufacturer, group.get());
        groups.push_back(std::move(group));
    }
    endInsertRows();
}

void HangarModel::removeAircraft(Place place)
{
    Group *group = place.group;
    const HangarAircraft &gone = group->aircraft[place.row];
    places.remove(gone.key);
    --total;
    withPlayer -= gone.listing.holdsPlayer() ? 1 : 0;
    if (group->aircraft.size() > 1) {
        beginRemoveRows(createIndex(group->row, 0, nullptr), place.row, place.row);
        group->aircraft.removeAt(place.row);
        for (int later = place.row; later < group->aircraft.size(); ++later)
            places[group->aircraft[later].key].row = later;
        endRemoveRows();
        return;
    }
    const int groupRow = group->row;
    beginRemoveRows({}, groupRow, groupRow);
    groupsByManufacturer.remove(group->manufacturer);
    groups.erase(groups.begin() + groupRow);
    for (int later = groupRow; later < int(groups.size()); ++later)
        groups[later]->row = later;
    endRemoveRows();
}

HangarModel::Group *HangarModel::groupOf(const QModelIndex &index) const
{
    return static_cast<Group *>(index.internalPointer());
}

const HangarAircraft *HangarModel::aircraftAt(const QModelIndex &index) const
{
    Group *group = index.isValid() ? groupOf(index) : nullptr;
    return group ? &group->aircraft[index.row()] : nullptr;
}

QModelIndex HangarModel::index(int row, int column, const QModelIndex &parent) const
{
    if (!hasIndex(row, column, parent))
        return {};
    // A manufacturer's row points nowhere; an aircraft's row to its manufacturer.
    return createIndex(row, column, parent.isValid() ? groups[parent.row()].get() : nullptr);
}

QModelIndex HangarModel::parent(const QModelIndex &child) const
{
    const Group *group = child.isValid() ? groupOf(child) : nullptr;
    return group ? createIndex(group->row, 0, nullptr) : QModelIndex();
}

int HangarModel::rowCount(const QModelIndex &parent) const
{
    if (!parent.isValid())
        return int(groups.size());
    if (parent.column() != 0 || groupOf(parent))
        return 0;
    return int(groups[parent.row()]->aircraft.size());
}

int HangarModel::columnCount(const QModelIndex &) const
{
    return ColumnCount;
}

QVariant HangarModel::data(const QModelIndex &index, int role) const
{
    if (!checkIndex(index, CheckIndexOption::IndexIsValid))
        return {};
    if (const HangarAircraft *aircraft = aircraftAt(index))
        return aircraftData(*aircraft, index.column(), role);
    // A manufacturer's row sorts by its name whichever column sorts.
    const Group &group = *groups[index.row()];
    if (role == SortRole || (role == Qt::DisplayRole && index.column() == AircraftColumn))
        return manufacturerText(group.manufacturer);
    if (role == FilterRole)
        return QString();
    return {};
}

QVariant HangarModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return {};
    switch (section) {
    case AircraftColumn:
        return tr("Aircraft");
    case FolderColumn:
        return tr("Folder");
    case ChecklistColumn:
        return tr("Checklist");
    case ReferenceColumn:
        return tr("Reference");
    default:
        return {};
    }
}
