#include "console/ConsoleProgram.h"

#include <QCoreApplication>
#include <QTextStream>

#include <cstdio>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("skylyre"));
    QTextStream out(stdout);
    QTextStream err(stderr);
    return runConsoleProgram(QCoreApplication::arguments(), out, err);
}
