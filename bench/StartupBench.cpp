// Start-up: the time from starting the program until its main window is shown
// and painted, and the program's resident memory at that moment. The program
// is startup_program, which starts exactly as main.cpp does and reports the
// first showing of its window (startup/FirstShow.h); it runs in a folder that
// holds help.htm, as it is installed, so that start-up asks nothing.
//
// Its baseline: startup_bare_window, a bare Qt window program built the same
// way, started and measured the same way, in the same run; and for
// information the same window with a line of text, as every window with a
// caption in it loads a font at start-up and a bare window does not.

#include "BenchSupport.h"
#include "startup/FirstShow.h"

#include <QDir>
#include <QFile>

#include <benchmark/benchmark.h>

#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <poll.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

extern char **environ;

namespace {

struct Start
{
    double seconds;       // from the start of the process to its first showing
    double residentBytes; // at that moment
};

// The folder the programs start in: with the help page, as installed.
const QString &startFolder()
{
    static const QString folder = [] {
        const QString made = benchFolder(QStringLiteral("startup"));
        if (!QFile::copy(QStringLiteral(SKYLYRE_HELP_PAGE), made + QStringLiteral("/help.htm")))
            benchFailure(QStringLiteral("cannot copy the help page into %1").arg(made));
        return made;
    }();
    return folder;
}

// Reads the report line of the program `pid` from `fd`, waiting at most a
// minute for it (a program that asks something at start-up never reports).
QByteArray reportOf(pid_t pid, int fd)
{
    QByteArray report;
    const long long deadline = monotonicNanoseconds() + 60'000'000'000LL;
    while (!report.contains('\n')) {
        pollfd ready{fd, POLLIN, 0};
        const int waitMs = int((deadline - monotonicNanoseconds()) / 1'000'000);
        const int polled = waitMs > 0 ? poll(&ready, 1, waitMs) : 0;
        if (polled < 0 && errno == EINTR)
            continue;
        char buffer[256];
        const ssize_t got = polled > 0 ? read(fd, buffer, sizeof buffer) : -1;
        if (got <= 0) {
            kill(pid, SIGKILL);
            waitpid(pid, nullptr, 0);
            benchFailure(QStringLiteral("a started program did not report its window"));
        }
        report.append(buffer, got);
    }
    return report;
}

Start startProgram(const char *program, const char *argument)
{
    int pipeEnds[2];
    if (pipe2(pipeEnds, O_CLOEXEC) != 0)
        benchFailure(QStringLiteral("cannot make a pipe"));
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, pipeEnds[1], STDOUT_FILENO);
    const QByteArray folder = QFile::encodeName(startFolder());
    posix_spawn_file_actions_addchdir_np(&actions, folder.constData());
    char *argv[] = {const_cast<char *>(program), const_cast<char *>(argument), nullptr};

    pid_t pid;
    const long long started = monotonicNanoseconds();
    const int spawned = posix_spawn(&pid, program, &actions, nullptr, argv, environ);
    posix_spawn_file_actions_destroy(&actions);
    close(pipeEnds[1]);
    if (spawned != 0)
        benchFailure(QStringLiteral("cannot start %1").arg(QString::fromLocal8Bit(program)));

    const QList<QByteArray> fields = reportOf(pid, pipeEnds[0]).trimmed().split(' ');
    close(pipeEnds[0]);
    int status = 0;
    if (waitpid(pid, &status, 0) != pid || !WIFEXITED(status) || WEXITSTATUS(status) != 0)
        benchFailure(QStringLiteral("%1 did not end cleanly").arg(QString::fromLocal8Bit(program)));
    if (fields.size() != 2 || fields[1].toLongLong() <= 0)
        benchFailure(QStringLiteral("%1 reported nothing usable").arg(QString::fromLocal8Bit(program)));
    return {double(fields[0].toLongLong() - started) / 1e9, double(fields[1].toLongLong())};
}

// Starts `program` (with `argument` when it is not null) again and again.
void startUp(benchmark::State &state, const char *program, const char *argument)
{
    double resident = 0;
    for (auto _ : state) {
        const Start start = startProgram(program, argument);
        state.SetIterationTime(start.seconds);
        resident += start.residentBytes;
    }
    state.counters["resident_bytes"] =
        benchmark::Counter(resident, benchmark::Counter::kAvgIterations, benchmark::Counter::kIs1024);
}

const bool registered = [] {
    const auto add = [](const char *name, const char *program, const char *argument) {
        benchmark::RegisterBenchmark(name, startUp, program, argument)
            ->UseManualTime()
            ->Iterations(10)
            ->Unit(benchmark::kMillisecond);
    };
    add("startup/program", SKYLYRE_STARTUP_PROGRAM, nullptr);
    add("startup/bare_window", SKYLYRE_STARTUP_BARE_WINDOW, nullptr);
    add("startup/text_window", SKYLYRE_STARTUP_BARE_WINDOW, "text");
    return true;
}();

} // namespace
