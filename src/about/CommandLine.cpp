#include "about/CommandLine.h"

#include "about/ProgramVersion.h"

#include <QCommandLineParser>
#include <QCoreApplication>

void setUpCommandLine(QCommandLineParser &parser, const QString &description)
{
    QCoreApplication::setApplicationVersion(ProgramVersion::releaseVersionText());
    parser.setApplicationDescription(description);
    parser.addHelpOption();
    parser.addVersionOption();
}

void answerHelpOrVersion(QCommandLineParser &parser, int &argc, char **argv)
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments.append(QString::fromLocal8Bit(argv[i]));
    // A line this parser cannot read may hold Qt's own options for windows
    // (-platform, -style, ...), which only the QApplication takes out.
    if (parser.parse(arguments)
        && (parser.isSet(QStringLiteral("help")) || parser.isSet(QStringLiteral("version")))) {
        QCoreApplication app(argc, argv);
        parser.process(app);
    }
}
