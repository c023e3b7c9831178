#include "about/CommandLine.h"
#include "about/RegularExpressionEngine.h"
#include "console/ConsoleProgram.h"
#include "console/Utf8Console.h"

#include <QCoreApplication>
#include <QTextStream>

#include <cstdio>

int main(int argc, char *argv[])
{
    chooseRegularExpressionEngine();
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("skylyre"));
    // Scripts read --json in English, whatever the user's language.
    if (!QCoreApplication::arguments().contains(QStringLiteral("--json")))
        speakAskedLanguage(QCoreApplication::arguments());
    const Utf8Console console;
    QTextStream out(stdout);
    QTextStream err(stderr);
    return runConsoleProgram(QCoreApplication::arguments(), out, err);
}
