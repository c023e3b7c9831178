#include "console/ConsoleProgram.h"

#include "console/BatchCommand.h"
#include "console/CommandLineRequest.h"
#include "console/ListCommand.h"

#include <QCoreApplication>
#include <QTextStream>

int runConsoleProgram(const QStringList &arguments, QTextStream &out, QTextStream &err)
{
    const ParsedCommandLine line = parseCommandLine(arguments);
    switch (line.kind) {
    case ParsedCommandLine::Kind::Help:
    case ParsedCommandLine::Kind::Version:
        out << line.text << (line.text.endsWith(QLatin1Char('\n')) ? "" : "\n") << Qt::flush;
        return 0;
    case ParsedCommandLine::Kind::UsageError:
        err << line.text << '\n'
            << QCoreApplication::translate("ConsoleProgram", "See skylyre --help.") << Qt::endl;
        return 2;
    case ParsedCommandLine::Kind::Request:
        break;
    }
    switch (line.request.command) {
    case CommandLineRequest::Command::List:
        return runList(line.request, out, err);
    case CommandLineRequest::Command::Install:
    case CommandLineRequest::Command::Remove:
        return runBatch(line.request, out);
    }
    Q_UNREACHABLE();
}
