#include "ProgramRun.h"

#include <gtest/gtest.h>

namespace {

struct CommandLineCase
{
    QStringList arguments;
    int exitCode;
    QString standardOutput;
    QString standardError;
};

// Readable failures: the line, not the bytes of the row.
void PrintTo(const CommandLineCase &row, std::ostream *out)
{
    *out << row.arguments.join(u' ').toStdString();
}

class CommandLineTest : public testing::TestWithParam<CommandLineCase>
{
};

// Each line is answered, or refused, and the program ends: had it started,
// it would still be running. It runs without a display: the lines that reach
// the windows' QApplication name Qt's offscreen platform.
TEST_P(CommandLineTest, AnswersAndEndsBeforeTheProgramStarts)
{
    const CommandLineCase &row = GetParam();
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char *display : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
        environment.remove(QLatin1String(display));
    const ProgramRun run = runProgram(QStringLiteral(SKYLYRE_PROGRAM), row.arguments, {}, environment);
    ASSERT_TRUE(run.ended);
    EXPECT_EQ(run.exitCode, row.exitCode);
    EXPECT_TRUE(run.output.contains(row.standardOutput)) << run.output.toStdString();
    EXPECT_TRUE(run.error.contains(row.standardError)) << run.error.toStdString();
}

const QString version = QStringLiteral("skylyre-configurator " SKYLYRE_VERSION);

INSTANTIATE_TEST_SUITE_P(
    Options, CommandLineTest,
    testing::Values(
        CommandLineCase{{"--version"}, 0, version, ""}, CommandLineCase{{"--help"}, 0, "-v, --version", ""},
        CommandLineCase{{"-platform", "offscreen", "--version"}, 0, version, ""},
        CommandLineCase{{"-platform", "offscreen", "--install"}, 1, "", "Unknown option 'install'."},
        CommandLineCase{{"-platform", "offscreen", "--version", "-x"}, 1, "", "Unknown option 'x'."}));

} // namespace
