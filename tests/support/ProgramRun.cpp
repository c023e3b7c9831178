#include "ProgramRun.h"

#include <QProcess>

namespace {

// What a program printed, in UTF-8 as Qt writes text; the CR LF line ends of
// Windows as LF.
QString textOf(const QByteArray &printed)
{
    return QString::fromUtf8(printed).replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}

} // namespace

ProgramRun runProgram(const QString &program, const QStringList &arguments, const QString &folder,
                      const QProcessEnvironment &environment)
{
    QProcess process;
    process.setProcessEnvironment(environment);
    process.setWorkingDirectory(folder);
    process.start(program, arguments);
    ProgramRun run;
    run.ended = process.waitForFinished(60'000) && process.exitStatus() == QProcess::NormalExit;
    run.exitCode = process.exitCode();
    run.output = textOf(process.readAllStandardOutput());
    run.error = textOf(process.readAllStandardError());
    return run;
}
