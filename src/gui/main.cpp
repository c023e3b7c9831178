#include "about/CommandLine.h"
#include "gui/MainWindow.h"
#include "gui/QtDialogs.h"
#include "hangar/RegularExpressionEngine.h"

#include <QApplication>
#include <QCommandLineParser>

int main(int argc, char *argv[])
{
    chooseRegularExpressionEngine();
    QCommandLineParser commandLine;
    setUpCommandLine(
        commandLine,
        QStringLiteral("Installs the Skylyre music player into the kneeboard of an FS2004 aircraft, "
                       "and edits its playlists."));
    answerHelpOrVersion(commandLine, argc, argv);
    QApplication app(argc, argv);
    commandLine.process(app);

    QtDialogs dialogs;
    MainWindow window(dialogs);
    window.show();
    return app.exec();
}
