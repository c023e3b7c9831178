#include "about/CommandLine.h"

#include "about/Language.h"
#include "about/MakerSite.h"
#include "about/ProgramVersion.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QLocale>

void setUpCommandLine(QCommandLineParser &parser, const char *description)
{
    QCoreApplication::setApplicationVersion(
        ProgramVersion::releaseVersionText() + QLatin1Char('\n')
        + QCoreApplication::translate("CommandLine", "Maker's site: %1").arg(MakerSite::webSiteAddress));
    parser.setApplicationDescription(QCoreApplication::translate("CommandLine", description));
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addOption(
        {QStringLiteral("language"),
         QCoreApplication::translate("CommandLine",
                                     "The language to speak: %1 (by default the "
                                     "system's, else English).")
             .arg((QStringList{QStringLiteral("en")} + Language::available()).join(QStringLiteral(", "))),
         QCoreApplication::translate("CommandLine", "code")});
}

void speakAskedLanguage(const QStringList &arguments)
{
    Language::install(Language::choose(Language::askedIn(arguments), QLocale::system().uiLanguages()));
}

void answerHelpOrVersion(int &argc, char **argv, const char *description)
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments.append(QString::fromLocal8Bit(argv[i]));
    QCommandLineParser parser;
    setUpCommandLine(parser, description);
    // A line this parser cannot read may hold Qt's own options for windows
    // (-platform, -style, ...), which only the QApplication takes out.
    if (parser.parse(arguments)
        && (parser.isSet(QStringLiteral("help")) || parser.isSet(QStringLiteral("version")))) {
        QCoreApplication app(argc, argv);
        speakAskedLanguage(arguments);
        QCommandLineParser spoken;
        setUpCommandLine(spoken, description);
        spoken.process(app);
    }
}
