#include "console/ListCommand.h"
#include "console/CommandLineRequest.h"
#include "kneeboard/PlayerPage.h"

#include "Files.h"

#include <QDir>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <QTextStream>

#include <gtest/gtest.h>

#include <map>

namespace {

using Files = std::map<QString, QByteArray>;

struct ListCase
{
    const char *name;
    Files aircraft; // the files of the folder "Aircraft/c172"
    QString line;   // what list says of it, after "<folder>/Cessna172.air: "
    int exitCode;
};

void PrintTo(const ListCase &row, std::ostream *out)
{
    *out << row.name;
}

std::string listCaseName(const testing::TestParamInfo<ListCase> &info)
{
    return info.param.name;
}

class List : public testing::TestWithParam<ListCase>
{
};

const QByteArray air = "flight model";
const QByteArray player = buildPlayerPage() + "\r\n";

} // namespace

TEST_P(List, SaysWhichPagesHoldThePlayer)
{
    const ListCase &row = GetParam();
    QTemporaryDir dir;
    const QString folder = dir.filePath("Aircraft/c172");
    ASSERT_TRUE(QDir().mkpath(folder));
    for (const auto &[name, bytes] : row.aircraft) {
        if (name.endsWith('/'))
            ASSERT_TRUE(QDir().mkpath(folder + '/' + name));
        else
            writeBytes(folder + '/' + name, bytes);
    }
    const QStringList before = entriesOf(folder);

    CommandLineRequest request;
    request.paths = {dir.filePath("Aircraft")};
    QString output;
    QString errors;
    QTextStream out(&output);
    QTextStream err(&errors);
    EXPECT_EQ(runList(request, out, err), row.exitCode);

    const QString said = QDir::toNativeSeparators(folder) + QDir::separator() + "Cessna172.air: " + row.line;
    EXPECT_TRUE(output.startsWith(said)) << output.toStdString();
    const QString summary = QString("\n1 aircraft, %1 with the player.\n").arg(row.line.contains("(player)"));
    EXPECT_TRUE(output.endsWith(summary)) << output.toStdString();
    EXPECT_EQ(output.count('\n'), 2) << output.toStdString();
    EXPECT_EQ(errors, "");
    EXPECT_EQ(entriesOf(folder), before);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, List,
    testing::Values(
        ListCase{"NoEntries",
                 {{"Cessna172.air", air}, {"aircraft.cfg", "[fltsim.0]\r\ntitle=x"}},
                 "checklist none; reference none",
                 0},
        ListCase{"PagesOfEachState",
                 {{"Cessna172.air", air},
                  {"aircraft.cfg", "kb_checklists=cessna172_check\r\nkb_reference=notes\nreference=gone\r"},
                  {"cessna172_check.htm", "<p>own</p>" + player},
                  {"notes.htm", "<p>own</p>"}},
                 "checklist cessna172_check (player); reference notes (no player), gone (no page)",
                 0},
        ListCase{"KeysAndPageNamesInAnyCase",
                 {{"Cessna172.air", air},
                  {"aircraft.cfg", "CHECKLISTS= Cessna172_Check \r\nKB_Reference=Ref.HTM\r\n"},
                  {"cessna172_check.htm", player},
                  {"ref.htm", player}},
                 "checklist Cessna172_Check (player); reference Ref.HTM (player)",
                 0},
        ListCase{"VariationsNamingOnePage",
                 {{"Cessna172.air", air},
                  {"aircraft.cfg", "kb_checklists=a\r\n[fltsim.1]\r\nchecklists=a\r\nkb_checklists=b\r\n"},
                  {"a.htm", player}},
                 "checklist a (player), b (no page); reference none",
                 0},
        ListCase{"PlayerOnlyInTheReferencePage",
                 {{"Cessna172.air", air}, {"aircraft.cfg", "kb_reference=ref\r\n"}, {"ref.htm", player}},
                 "checklist none; reference ref (player)",
                 0},
        ListCase{"APageThatIsAFolder",
                 {{"Cessna172.air", air}, {"aircraft.cfg", "kb_checklists=notes\r\n"}, {"notes.htm/", {}}},
                 "checklist notes (unreadable): Could not read",
                 0},
        ListCase{"NoAircraftCfg", {{"Cessna172.air", air}}, "unreadable: Could not read", 1}),
    listCaseName);

TEST(ListJson, GivesEveryFieldOfEachAircraft)
{
    QTemporaryDir dir;
    const QString folder = dir.filePath("c172");
    ASSERT_TRUE(QDir().mkpath(folder));
    writeBytes(folder + "/Cessna172.air", air);
    writeBytes(folder + "/aircraft.cfg", "kb_checklists=gone\r\nkb_reference=ref\r\n");
    writeBytes(folder + "/ref.htm", player);
    CommandLineRequest request;
    request.paths = {dir.path()};
    request.json = true;
    QString output;
    QString errors;
    QTextStream out(&output);
    QTextStream err(&errors);
    EXPECT_EQ(runList(request, out, err), 0);

    const QJsonArray json = QJsonDocument::fromJson(output.toUtf8()).array();
    ASSERT_EQ(json.size(), 1) << output.toStdString();
    const QJsonObject aircraft = json[0].toObject();
    EXPECT_EQ(aircraft["folder"].toString(), QDir::toNativeSeparators(folder));
    EXPECT_EQ(aircraft["air"].toString(), "Cessna172.air");
    EXPECT_FALSE(aircraft.contains("problem"));
    const QJsonObject gone{{"page", "gone"}, {"state", "no page"}, {"player", false}};
    const QJsonObject ref{{"page", "ref"}, {"state", "player"}, {"player", true}};
    EXPECT_EQ(aircraft["checklist"].toArray(), QJsonArray{gone});
    EXPECT_EQ(aircraft["reference"].toArray(), QJsonArray{ref});
}
