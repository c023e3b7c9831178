#include "hangar/HangarModel.h"

#include <QDir>

#include <algorithm>

namespace {

QString manufacturerText(const QString &manufacturer)
{
    return manufacturer.isEmpty() ? QStringLiteral("(No manufacturer)") : manufacturer;
}

QString stateText(ListedPage::State state)
{
    switch (state) {
    case ListedPage::State::Player:
        return QStringLiteral("holds the player");
    case ListedPage::State::NoPlayer:
        return QStringLiteral("no player");
    case ListedPage::State::Missing:
        return QStringLiteral("page missing");
    case ListedPage::State::Unreadable:
        return QStringLiteral("cannot be read");
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
        return {QStringLiteral("cannot be read"), aircraft.listing.problem, 5};
    if (pages.isEmpty())
        return {QStringLiteral("no entry"), QStringLiteral("aircraft.cfg names no page"), 4};
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
    return QStringLiteral("%1 (%2 %3)")
        .arg(aircraft.title)
        .arg(count)
        .arg(count == 1 ? QStringLiteral("variation") : QStringLiteral("variations"));
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
        if (role == Qt::DisplayRole || role == Qt::ToolTipRole || role == HangarModel::SortRole)
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
    QList<HangarAircraft> fresh;
    for (const HangarAircraft &one : aircraft) {
        if (!listed.contains(one.airPath) || !replace(one)) {
            // Met twice in one batch: the later reading counts.
            const auto same = [&one](const HangarAircraft &other) { return other.airPath == one.airPath; };
            fresh.removeIf(same);
            fresh.append(one);
            listed.insert(one.airPath);
        }
    }
    insert(fresh);
    count();
}

bool HangarModel::replace(const HangarAircraft &aircraft)
{
    for (const std::unique_ptr<Group> &group : groups) {
        for (int row = 0; row < group->aircraft.size(); ++row) {
            if (group->aircraft[row].airPath != aircraft.airPath)
                continue;
            if (group->manufacturer != aircraft.manufacturer) {
                removeAircraft(group.get(), row);
                return false;
            }
            group->aircraft[row] = aircraft;
            emit dataChanged(createIndex(row, 0, group.get()),
                             createIndex(row, ColumnCount - 1, group.get()));
            return true;
        }
    }
    return false;
}

void HangarModel::insert(const QList<HangarAircraft> &aircraft)
{
    // Those of a listed manufacturer join its row; the others make new rows.
    std::vector<std::unique_ptr<Group>> newGroups;
    std::vector<std::pair<Group *, QList<HangarAircraft>>> joining;
    for (const HangarAircraft &one : aircraft) {
        const auto byName = [&one](const auto &group) { return group->manufacturer == one.manufacturer; };
        const auto listedGroup = std::find_if(groups.begin(), groups.end(), byName);
        if (listedGroup != groups.end()) {
            auto entry = std::find_if(joining.begin(), joining.end(),
                                      [&](const auto &joined) { return joined.first == listedGroup->get(); });
            if (entry == joining.end())
                entry = joining.insert(joining.end(), {listedGroup->get(), {}});
            entry->second.append(one);
            continue;
        }
        auto newGroup = std::find_if(newGroups.begin(), newGroups.end(), byName);
        if (newGroup == newGroups.end()) {
            newGroups.push_back(std::make_unique<Group>(Group{one.manufacturer, {}, 0}));
            newGroup = newGroups.end() - 1;
        }
        (*newGroup)->aircraft.append(one);
    }
    for (auto &[group, joined] : joining) {
        const int first = int(group->aircraft.size());
        beginInsertRows(createIndex(group->row, 0, nullptr), first, first + int(joined.size()) - 1);
        group->aircraft.append(joined);
        endInsertRows();
    }
    if (newGroups.empty())
        return;
    const int first = int(groups.size());
    beginInsertRows({}, first, first + int(newGroups.size()) - 1);
    for (std::unique_ptr<Group> &group : newGroups) {
        group->row = int(groups.size());
        groups.push_back(std::move(group));
    }
    endInsertRows();
}

void HangarModel::removeAircraft(Group *group, int row)
{
    listed.remove(group->aircraft[row].airPath);
    if (group->aircraft.size() > 1) {
        beginRemoveRows(createIndex(group->row, 0, nullptr), row, row);
        group->aircraft.removeAt(row);
        endRemoveRows();
        return;
    }
    const int groupRow = group->row;
    beginRemoveRows({}, groupRow, groupRow);
    groups.erase(groups.begin() + groupRow);
    for (int later = groupRow; later < int(groups.size()); ++later)
        groups[later]->row = later;
    endRemoveRows();
}

void HangarModel::count()
{
    qsizetype all = 0;
    qsizetype player = 0;
    for (const std::unique_ptr<Group> &group : groups) {
        all += group->aircraft.size();
        for (const HangarAircraft &aircraft : group->aircraft)
            player += aircraft.listing.holdsPlayer() ? 1 : 0;
    }
    if (all == total && player == withPlayer)
        return;
    total = all;
    withPlayer = player;
    emit countsChanged();
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
    const Group &group = *groups[index.row()];
    if (index.column() != AircraftColumn)
        return {};
    if (role == Qt::DisplayRole || role == SortRole)
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
        return QStringLiteral("Aircraft");
    case FolderColumn:
        return QStringLiteral("Folder");
    case ChecklistColumn:
        return QStringLiteral("Checklist");
    case ReferenceColumn:
        return QStringLiteral("Reference");
    default:
        return {};
    }
}
