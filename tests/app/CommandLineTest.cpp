#include <QProcess>
#include <QProcessEnvironment>

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
    QProcess program;
    program.setProcessEnvironment(environment);
    program.start(QStringLiteral(SKYLYRE_PROGRAM), row.arguments);
    ASSERT_TRUE(program.waitForFinished(60'000));
    EXPECT_EQ(program.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(program.exitCode(), row.exitCode);
    const QString output = QString::fromLocal8Bit(program.readAllStandardOutput());
    const QString error = QString::fromLocal8Bit(program.readAllStandardError());
    EXPECT_TRUE(output.contains(row.standardOutput)) << output.toStdString();
    EXPECT_TRUE(error.contains(row.standardError)) << error.toStdString();
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
