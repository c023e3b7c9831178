#include "console/CommandLineRequest.h"

#include <gtest/gtest.h>

namespace {

struct UsageCase
{
    const char *name;
    QStringList arguments; // after the program's name
    QString reason;        // a part of it
};

void PrintTo(const UsageCase &row, std::ostream *out)
{
    *out << row.arguments.join(u' ').toStdString();
}

std::string usageCaseName(const testing::TestParamInfo<UsageCase> &info)
{
    return info.param.name;
}

class UsageError : public testing::TestWithParam<UsageCase>
{
};

const QStringList air = {"c172/Cessna172.air"};

} // namespace

// A line the console program cannot run: it ends with exit code 2 and the
// reason, before it touches anything.
TEST_P(UsageError, IsRefusedWithItsReason)
{
    const UsageCase &row = GetParam();
    const ParsedCommandLine line = parseCommandLine(QStringList{"skylyre"} + row.arguments);
    EXPECT_EQ(line.kind, ParsedCommandLine::Kind::UsageError);
    EXPECT_TRUE(line.text.contains(row.reason)) << line.text.toStdString();
}

INSTANTIATE_TEST_SUITE_P(
    Lines, UsageError,
    testing::Values(
        UsageCase{"UnknownCommand", QStringList{"fly"} + air, "Unknown command 'fly'"},
        UsageCase{"UnknownOption", QStringList{"install", "--checklist", "--new", "--bogus"} + air,
                  "Unknown option 'bogus'"},
        UsageCase{"NoSection", QStringList{"install", "--new"} + air, "--checklist or --reference"},
        UsageCase{"NoLocation", QStringList{"install", "--checklist"} + air, "--new or --add"},
        UsageCase{"NoAircraft", {"install", "--checklist", "--new"}, "at least one aircraft"},
        UsageCase{"BackupAndNoBackup",
                  QStringList{"install", "--checklist", "--new", "--backup", "--no-backup"} + air,
                  "not both"},
        UsageCase{"BackupWithoutCfg",
                  QStringList{"install", "--checklist", "--new", "--no-cfg", "--backup"} + air,
                  "no backup to make"},
        UsageCase{"ListOptionToInstall", QStringList{"install", "--checklist", "--new", "--json"} + air,
                  "install does not take --json"},
        UsageCase{"InstallOptionToRemove", QStringList{"remove", "--new"} + air,
                  "remove does not take --new"},
        UsageCase{"InstallOptionToList", {"list", "--checklist", "."}, "list does not take --checklist"}),
    usageCaseName);
