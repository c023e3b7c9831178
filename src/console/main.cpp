#include "about/CommandLine.h"
#include "console/ConsoleProgram.h"

#include <QCoreApplication>
#include <QTextStream>

#include <cstdio>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("skylyre"));
    speakAskedLanguage(QCoreApplication::arguments());
    QTextStream out(stdout);
    QTextStream err(stderr);
    return runConsoleProgram(QCoreApplication::arguments(), out, err);
}
