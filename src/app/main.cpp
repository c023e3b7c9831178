#include "gui/MainWindow.h"
#include "gui/QtDialogs.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QtDialogs dialogs;
    MainWindow window(dialogs);
    window.show();
    return app.exec();
}
