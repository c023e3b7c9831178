#include "BenchSupport.h"

#include "gui/Installer.h"

#include <QDir>
#include <QFile>
#include <QProcess>

#include <cstdio>
#include <cstdlib>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

extern char **environ;

QString benchFolder(const QString &name)
{
    QString base = qEnvironmentVariable("SKYLYRE_BENCH_DIR");
    if (base.isEmpty())
        base = QDir::tempPath() + QStringLiteral("/skylyre-bench");
    const QString folder = QDir(base).absoluteFilePath(name);
    QDir(folder).removeRecursively();
    if (!QDir().mkpath(folder))
        benchFailure(QStringLiteral("cannot make the folder %1").arg(folder));
    return folder;
}

void writeDurably(const QString &path, const QByteArray &content)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(content) != content.size()
        || !file.flush() || ::fsync(file.handle()) != 0)
        benchFailure(QStringLiteral("cannot write %1: %2").arg(path, file.errorString()));
}

void runProgram(const QStringList &command)
{
    std::vector<QByteArray> arguments;
    for (const QString &argument : command)
        arguments.push_back(argument.toLocal8Bit());
    std::vector<char *> argv;
    for (QByteArray &argument : arguments)
        argv.push_back(argument.data());
    argv.push_back(nullptr);
    pid_t pid;
    if (posix_spawnp(&pid, argv[0], nullptr, nullptr, argv.data(), environ) != 0)
        benchFailure(QStringLiteral("cannot start %1").arg(command.join(' ')));
    int status = 0;
    if (waitpid(pid, &status, 0) != pid || !WIFEXITED(status) || WEXITSTATUS(status) != 0)
        benchFailure(QStringLiteral("%1 failed").arg(command.join(' ')));
}

QByteArray outputOf(const QStringList &command)
{
    QProcess program;
    program.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    program.start(command.first(), command.mid(1));
    if (!program.waitForFinished(-1) || program.exitStatus() != QProcess::NormalExit
        || program.exitCode() != 0)
        benchFailure(QStringLiteral("%1 failed").arg(command.join(' ')));
    return program.readAllStandardOutput();
}

void chooseBenchAircraft(Installer &installer, const QString &folder)
{
    installer.chooseAircraft(folder + QStringLiteral("/Cessna172.air"));
}

Dialogs::Answer YesDialogs::messageBox(const QString &prompt, Buttons buttons, const QString &title, Icon)
{
    if (title == QLatin1String("Error")) {
        ++errors;
        lastError = prompt;
    }
    return buttons == Buttons::YesNo ? Answer::Yes : Answer::Ok;
}

QString YesDialogs::askFileName(const FileDialogSetup &)
{
    return files.isEmpty() ? QString() : files.takeFirst();
}

void benchFailure(const QString &what)
{
    std::fprintf(stderr, "benchmark failed: %s\n", qPrintable(what));
    std::exit(2);
}
