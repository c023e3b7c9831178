// The program as main.cpp starts it, for the start-up benchmark: it reports
// the first showing of the main window and quits.

#include "gui/MainWindow.h"
#include "gui/QtDialogs.h"

#include "FirstShow.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QtDialogs dialogs;
    MainWindow window(dialogs);
    reportFirstShowAndQuit(window);
    window.show();
    return app.exec();
}
