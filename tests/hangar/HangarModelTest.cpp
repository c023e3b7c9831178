#include "hangar/HangarModel.h"
#include "kneeboard/PlayerPage.h"

#include "Files.h"

#include <QAbstractItemModelTester>
#include <QDir>
#include <QSortFilterProxyModel>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <map>

namespace {

using Files = std::map<QString, QByteArray>;

const QByteArray player = buildPlayerPage() + "\r\n";

QByteArray cfgOf(const QByteArray &manufacturer, const QByteArray &title, const QByteArray &entries = {})
{
    return "[fltsim.0]\r\ntitle=" + title + "\r\nui_manufacturer=" + manufacturer
        + "\r\n[fltsim.1]\r\ntitle=" + title + " 2\r\n[general]\r\n" + entries;
}

// A model checked by QAbstractItemModelTester, over aircraft folders made up
// below a temporary folder.
class HangarModelTest : public testing::Test
{
protected:
    QString aircraft(const QString &name, const Files &files)
    {
        const QString folder = dir.filePath(name);
        const QString air = folder + '/' + QFileInfo(folder).fileName() + ".air";
        QDir().mkpath(folder);
        writeBytes(air, "flight model");
        for (const auto &[file, bytes] : files) {
            if (bytes.isNull())
                QDir().mkpath(folder + '/' + file); // a folder where a file is read
            else
                writeBytes(folder + '/' + file, bytes);
        }
        return air;
    }
    // Reads the aircraft as found below `foundIn`, or each on its own.
    void read(const QStringList &airPaths, const QString &foundIn = {})
    {
        QList<HangarAircraft> read;
        for (const QString &air : airPaths)
            read.append(listing.describe(air, foundIn));
        model.add(read);
    }
    // The texts of a row's columns, below the manufacturer's row `group`.
    QStringList row(int group, int row, int role = Qt::DisplayRole) const
    {
        const QModelIndex parent = model.index(group, 0);
        QStringList texts;
        for (int column = 0; column < model.columnCount(); ++column)
            texts.append(model.index(row, column, parent).data(role).toString());
        return texts;
    }
    QString group(int row) const { return model.index(row, 0).data().toString(); }

    QTemporaryDir dir;
    HangarListing listing;
    HangarModel model;
    QAbstractItemModelTester tester{&model, QAbstractItemModelTester::FailureReportingMode::Fatal};
};

} // namespace

TEST_F(HangarModelTest, GroupsAircraftByTheManufacturerOfTheirFirstVariation)
{
    read({aircraft("a", {{"aircraft.cfg", cfgOf("Cessna", "Skyhawk")}}),
          aircraft("b", {{"aircraft.cfg", cfgOf("Piper", "Cub")}}),
          aircraft("c", {{"aircraft.cfg", cfgOf("Cessna", "Caravan")}})});
    // In quotes, as many add-ons write it, it is the same manufacturer.
    read({aircraft("d", {{"aircraft.cfg", cfgOf("\"Piper\"", "\"Cherokee\"")}}),
          aircraft("e", {{"aircraft.cfg", cfgOf("Mooney", "Bravo")}})});

    ASSERT_EQ(model.rowCount(), 3);
    EXPECT_EQ(group(0), "Cessna");
    EXPECT_EQ(group(1), "Piper");
    EXPECT_EQ(group(2), "Mooney");
    EXPECT_EQ(model.rowCount(model.index(0, 0)), 2);
    EXPECT_EQ(model.rowCount(model.index(1, 0)), 2);
    EXPECT_EQ(row(0, 1).first(), "Caravan (2 variations)");
    EXPECT_EQ(row(1, 1).first(), "Cherokee (2 variations)");
    EXPECT_EQ(row(1, 1)[HangarModel::FolderColumn], QDir::toNativeSeparators(dir.filePath("d")));
    const HangarAircraft *mooney = model.aircraftAt(model.index(0, 0, model.index(2, 0)));
    ASSERT_NE(mooney, nullptr);
    EXPECT_EQ(mooney->airPath, dir.filePath("e/e.air"));
    EXPECT_EQ(model.aircraftAt(model.index(2, 0)), nullptr);
    EXPECT_EQ(model.aircraftCount(), 5);
}

TEST_F(HangarModelTest, SaysWhatEachPageHoldsAndWhyOneCannotBeRead)
{
    read({aircraft(
              "a",
              {{"aircraft.cfg", cfgOf("Acme", "Player", "kb_checklists=a_check\r\nkb_reference=notes\r\n")},
               {"a_check.htm", "<p>own</p>" + player},
               {"notes.htm", "<p>own</p>"}}),
          aircraft("b", {{"aircraft.cfg", cfgOf("Acme", "Missing", "kb_reference=gone\r\n")}}),
          aircraft("c",
                   {{"aircraft.cfg", cfgOf("Acme", "Folder", "kb_checklists=c_check\r\n")},
                    {"c_check.htm", QByteArray()}})});

    EXPECT_EQ(row(0, 0),
              QStringList({"Player (2 variations)", QDir::toNativeSeparators(dir.filePath("a")),
                           "holds the player (a_check)", "no player (notes)"}));
    EXPECT_EQ(row(0, 1).sliced(2), QStringList({"no entry", "page missing (gone)"}));
    // A folder in the page's place cannot be read as one.
    EXPECT_EQ(row(0, 2)[HangarModel::ChecklistColumn], "cannot be read (c_check)");
    const QString reason = row(0, 2, Qt::ToolTipRole)[HangarModel::ChecklistColumn];
    EXPECT_TRUE(reason.contains(QDir::toNativeSeparators(dir.filePath("c/c_check.htm"))))
        << reason.toStdString();
    EXPECT_EQ(model.aircraftCount(), 3);
    EXPECT_EQ(model.withPlayerCount(), 1);
}

TEST_F(HangarModelTest, ListsAnAircraftWhoseCfgIsMissingOrUnreadableWithTheReason)
{
    read({aircraft("Missing", {}), aircraft("Folder", {{"aircraft.cfg", QByteArray()}}),
          aircraft("Fine", {{"aircraft.cfg", cfgOf("Acme", "Fine")}})});

    ASSERT_EQ(model.rowCount(), 2);
    EXPECT_EQ(group(0), "(No manufacturer)");
    ASSERT_EQ(model.rowCount(model.index(0, 0)), 2);
    for (int aircraft : {0, 1}) {
        const QStringList texts = row(0, aircraft);
        EXPECT_EQ(texts.sliced(2), QStringList({"cannot be read", "cannot be read"}));
        const QString reason = row(0, aircraft, Qt::ToolTipRole).first();
        EXPECT_TRUE(reason.contains(QDir::toNativeSeparators(dir.filePath(texts.first() + "/aircraft.cfg"))))
            << reason.toStdString();
    }
    EXPECT_EQ(model.aircraftCount(), 3);
}

TEST_F(HangarModelTest, PutsAnAircraftReadAgainInItsPlaceOrUnderItsNewManufacturer)
{
    const QString a = aircraft("a", {{"aircraft.cfg", cfgOf("Cessna", "Skyhawk")}});
    const QString b = aircraft("b", {{"aircraft.cfg", cfgOf("Piper", "Cub", "kb_checklists=b\r\n")}});
    read({a, b});
    writeBytes(dir.filePath("b/b.htm"), player);
    read({b});
    EXPECT_EQ(model.rowCount(), 2);
    EXPECT_EQ(row(1, 0)[HangarModel::ChecklistColumn], "holds the player (b)");
    EXPECT_EQ(model.withPlayerCount(), 1);

    writeBytes(dir.filePath("a/aircraft.cfg"), cfgOf("Piper", "Skyhawk"));
    const QPersistentModelIndex cub = model.index(0, 0, model.index(1, 0));
    read({a});
    ASSERT_EQ(model.rowCount(), 1);
    EXPECT_EQ(group(0), "Piper");
    EXPECT_EQ(row(0, 1).first(), "Skyhawk (2 variations)");
    EXPECT_EQ(cub.parent().row(), 0);
    EXPECT_EQ(cub.data().toString(), "Cub (2 variations)");
    EXPECT_EQ(model.aircraftCount(), 2);
}

TEST_F(HangarModelTest, FiltersOnTitleManufacturerAndFolder)
{
    read({aircraft("a", {{"aircraft.cfg", cfgOf("Cessna", "Skyhawk")}})});
    const QString filtered = model.index(0, 0, model.index(0, 0)).data(HangarModel::FilterRole).toString();
    EXPECT_EQ(filtered.split('\n'),
              QStringList({"Skyhawk", "Cessna", QDir::toNativeSeparators(dir.filePath("a"))}));
    EXPECT_EQ(model.index(0, 0).data(HangarModel::FilterRole).toString(), "");
}

TEST_F(HangarModelTest, ShowsTheFolderBelowTheFolderItWasFoundInAndItsWholePathOnHover)
{
    const QString found = dir.filePath("Aircraft");
    const QString inPackage = aircraft("Aircraft/Pack/b", {{"aircraft.cfg", cfgOf("Acme", "B")}});
    read({aircraft("Aircraft/a", {{"aircraft.cfg", cfgOf("Acme", "A")}}), inPackage}, found);
    read({aircraft("Aircraft", {{"aircraft.cfg", cfgOf("Acme", "C")}})}, found);

    EXPECT_EQ(row(0, 0)[HangarModel::FolderColumn], "a");
    EXPECT_EQ(row(0, 1)[HangarModel::FolderColumn], QDir::toNativeSeparators("Pack/b"));
    EXPECT_EQ(row(0, 2)[HangarModel::FolderColumn], "Aircraft");
    EXPECT_EQ(row(0, 1, Qt::ToolTipRole)[HangarModel::FolderColumn],
              QDir::toNativeSeparators(dir.filePath("Aircraft/Pack/b")));
    // Read again on its own, as after an install, it keeps where it was found.
    read({inPackage});
    EXPECT_EQ(row(0, 1)[HangarModel::FolderColumn], QDir::toNativeSeparators("Pack/b"));
    EXPECT_EQ(model.aircraftCount(), 3);
}

TEST_F(HangarModelTest, ManufacturersSortByNameWhicheverColumnSorts)
{
    read({aircraft("a", {{"aircraft.cfg", cfgOf("Cessna", "Skyhawk")}}),
          aircraft("b", {{"aircraft.cfg", cfgOf("Piper", "Cub")}}),
          aircraft("c", {{"aircraft.cfg", cfgOf("Mooney", "Bravo")}})});
    QSortFilterProxyModel sorted;
    sorted.setSourceModel(&model);
    sorted.setSortRole(HangarModel::SortRole);
    for (int column = 0; column < HangarModel::ColumnCount; ++column) {
        sorted.sort(HangarModel::AircraftColumn, Qt::AscendingOrder);
        sorted.sort(column, Qt::DescendingOrder);
        QStringList groups;
        for (int row = 0; row < sorted.rowCount(); ++row)
            groups.append(sorted.index(row, 0).data().toString());
        EXPECT_EQ(groups, QStringList({"Piper", "Mooney", "Cessna"})) << "column " << column;
    }
}

// A sorting, filtering proxy, as the window's, learns of an aircraft read
// again in its place through dataChanged over its whole row.
TEST_F(HangarModelTest, AnAircraftReadAgainInItsPlaceIsSortedAndFilteredAnew)
{
    const QString skylane = aircraft("b", {{"aircraft.cfg", cfgOf("Piper", "Skylane")}});
    const QString cub = aircraft("c", {{"aircraft.cfg", cfgOf("Piper", "Cub")}});
    read({aircraft("a", {{"aircraft.cfg", cfgOf("Piper", "Skyhawk")}}), skylane, cub});
    QSortFilterProxyModel shown;
    shown.setSourceModel(&model);
    shown.setSortRole(HangarModel::SortRole);
    shown.setFilterRole(HangarModel::FilterRole);
    shown.setRecursiveFilteringEnabled(true);
    shown.setFilterFixedString("Sky");
    // By the Reference column, the last: the player's page first.
    shown.sort(HangarModel::ReferenceColumn);
    const auto titles = [&shown] {
        QStringList titles;
        const QModelIndex piper = shown.index(0, 0);
        for (int row = 0; row < shown.rowCount(piper); ++row)
            titles.append(shown.index(row, 0, piper).data().toString());
        return titles;
    };
    ASSERT_EQ(titles(), QStringList({"Skyhawk (2 variations)", "Skylane (2 variations)"}));

    writeBytes(dir.filePath("b/aircraft.cfg"), cfgOf("Piper", "Skylane", "kb_reference=b_ref\r\n"));
    writeBytes(dir.filePath("b/b_ref.htm"), player);
    writeBytes(dir.filePath("c/aircraft.cfg"), cfgOf("Piper", "Skycatcher"));
    read({skylane, cub});
    EXPECT_EQ(titles(),
              QStringList({"Skylane (2 variations)", "Skyhawk (2 variations)", "Skycatcher (2 variations)"}));
    EXPECT_EQ(model.withPlayerCount(), 1);
}
