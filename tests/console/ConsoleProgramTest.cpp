#include "Files.h"
#include "ProgramRun.h"

#include <QDir>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

struct ConsoleCase
{
    const char *name;
    QStringList arguments;
    int exitCode;
    QString standardOutput; // a part of it
    QString standardError;  // a part of it
    QStringList files;      // the aircraft folder's files afterwards
    bool cfgAsItWas = false;
};

void PrintTo(const ConsoleCase &row, std::ostream *out)
{
    *out << row.arguments.join(u' ').toStdString();
}

std::string consoleCaseName(const testing::TestParamInfo<ConsoleCase> &info)
{
    return info.param.name;
}

class ConsoleProgram : public testing::TestWithParam<ConsoleCase>
{
};

const QByteArray cfg = "[fltsim.0]\r\nkb_checklists=c172_notes\r\n";
const QStringList untouched = {"Cessna172.air", "aircraft.cfg"};
const QStringList air = {"c172/Cessna172.air"};

} // namespace

// The program runs in a folder with one aircraft, "c172/Cessna172.air". A
// line it cannot run touches nothing; which lines those are is tested in
// process, over parseCommandLine.
TEST_P(ConsoleProgram, AnswersWithItsExitCode)
{
    const ConsoleCase &row = GetParam();
    QTemporaryDir dir;
    ASSERT_TRUE(QDir(dir.path()).mkdir("c172"));
    const QString folder = dir.filePath("c172");
    writeBytes(folder + "/Cessna172.air", "flight model");
    writeBytes(folder + "/aircraft.cfg", cfg);

    const ProgramRun run = runProgram(QStringLiteral(SKYLYRE_CONSOLE_PROGRAM), row.arguments, dir.path());
    ASSERT_TRUE(run.ended);
    EXPECT_EQ(run.exitCode, row.exitCode);
    EXPECT_TRUE(run.output.contains(row.standardOutput)) << run.output.toStdString();
    EXPECT_TRUE(run.error.contains(row.standardError)) << run.error.toStdString();
    EXPECT_EQ(row.standardError.isEmpty(), run.error.isEmpty()) << run.error.toStdString();
    EXPECT_EQ(entriesOf(folder), row.files);
    if (row.files == untouched || row.cfgAsItWas) {
        EXPECT_EQ(readBytes(folder + "/aircraft.cfg"), cfg);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Lines, ConsoleProgram,
    testing::Values(
        ConsoleCase{"Version", {"--version"}, 0, "skylyre " SKYLYRE_VERSION, "", untouched},
        ConsoleCase{"Help", {"--help"}, 0, "--no-backup", "", untouched},
        ConsoleCase{"NoCommand", {}, 2, "", "No command given", untouched},
        ConsoleCase{"Install",
                    QStringList{"install", "--checklist", "--new"} + air,
                    0,
                    "[1/1] c172/Cessna172.air: Checklist page written, aircraft.cfg updated, backup made\n"
                    "Installed into 1 of 1 aircraft.",
                    "",
                    {"Cessna172.air", "aircraft.bak", "aircraft.cfg", "cessna172_check.htm"}},
        ConsoleCase{"InstallWithoutBackup",
                    QStringList{"install", "--reference", "--add", "--no-backup"} + air,
                    0,
                    "Reference page created with the player, aircraft.cfg updated\n",
                    "",
                    {"Cessna172.air", "aircraft.cfg", "cessna172_ref.htm"}},
        ConsoleCase{"InstallThePageAlone",
                    QStringList{"install", "--checklist", "--reference", "--new", "--no-cfg"} + air,
                    0,
                    "Checklist page written, Reference page written, aircraft.cfg left as it was\n",
                    "",
                    {"Cessna172.air", "aircraft.cfg", "cessna172_check.htm", "cessna172_ref.htm"},
                    true},
        ConsoleCase{"OneAircraftMissing",
                    {"install", "--checklist", "--new", "c172/cessna172.AIR", "c182/Cessna182.air"},
                    1,
                    "[2/2] c182/Cessna182.air: failed: there is no such .air file\n"
                    "Installed into 1 of 2 aircraft; 1 failed.",
                    "",
                    {"Cessna172.air", "aircraft.bak", "aircraft.cfg", "cessna172_check.htm"}},
        ConsoleCase{"RemoveWithOneAircraftMissing",
                    {"remove", "c172/Cessna172.air", "c182/Cessna182.air"},
                    1,
                    "[2/2] c182/Cessna182.air: failed: there is no such .air file\n"
                    "Removed from 0 of 2 aircraft; 1 had nothing to remove; 1 failed.",
                    "",
                    untouched},
        ConsoleCase{"NothingToRemove", QStringList{"remove"} + air, 0,
                    "[1/1] c172/Cessna172.air: nothing to remove\n"
                    "Removed from 0 of 1 aircraft; 1 had nothing to remove.",
                    "", untouched},
        ConsoleCase{"List",
                    {"list", "."},
                    0,
                    "Cessna172.air: checklist c172_notes (no page); reference none\n"
                    "1 aircraft, 0 with the player.",
                    "",
                    untouched},
        ConsoleCase{
            "ListOfNoFolder", {"list", "c182"}, 1, "0 aircraft", "\"c182\" is not a folder.", untouched}),
    consoleCaseName);

// Both sections in, then out again: every file as it was, and the backup.
TEST(ConsoleProgramRoundTrip, RemovingBothSectionsGivesEveryFileBack)
{
    QTemporaryDir dir;
    const QString folder = dir.filePath("c172");
    ASSERT_TRUE(QDir().mkpath(folder));
    writeBytes(folder + "/Cessna172.air", "flight model");
    writeBytes(folder + "/aircraft.cfg", cfg);
    const QString program = QStringLiteral(SKYLYRE_CONSOLE_PROGRAM);
    const ProgramRun install =
        runProgram(program, QStringList{"install", "--checklist", "--reference", "--new"} + air, dir.path());
    ASSERT_EQ(install.exitCode, 0) << install.output.toStdString();
    const ProgramRun remove = runProgram(program, QStringList{"remove"} + air, dir.path());
    EXPECT_EQ(remove.exitCode, 0) << remove.output.toStdString();
    EXPECT_TRUE(remove.output.contains("aircraft.cfg restored from aircraft.bak"))
        << remove.output.toStdString();
    EXPECT_EQ(entriesOf(folder), (QStringList{"Cessna172.air", "aircraft.bak", "aircraft.cfg"}));
    EXPECT_EQ(readBytes(folder + "/aircraft.cfg"), cfg);
    EXPECT_EQ(readBytes(folder + "/aircraft.bak"), cfg);
}
