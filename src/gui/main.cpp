#include "about/CommandLine.h"
#include "about/RegularExpressionEngine.h"
#include "gui/MainWindow.h"
#include "gui/QtDialogs.h"

#include <QApplication>
#include <QCommandLineParser>

namespace {

const char *const description =
    QT_TRANSLATE_NOOP("CommandLine",
                      "Installs the Skylyre music player into the kneeboard of an FS2004 "
                      "aircraft, and edits its playlists.");

} // namespace

int main(int argc, char *argv[])
{
    chooseRegularExpressionEngine();
    answerHelpOrVersion(argc, argv, description);
    QApplication app(argc, argv);
    speakAskedLanguage(QApplication::arguments());
    QCommandLineParser commandLine;
    setUpCommandLine(commandLine, description);
    commandLine.process(app);

    QtDialogs dialogs;
    MainWindow window(dialogs);
    window.show();
    return app.exec();
}
