// The start-up benchmark's baselines: the smallest Qt window program, a bare
// window of the main window's size shown as main.cpp shows the main window;
// with the argument "text", the same window showing one line of text, which
// costs the loading of a font.

#include "FirstShow.h"

#include <QApplication>
#include <QLabel>
#include <QWidget>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("Bare window"));
    window.setFixedSize(265, 182);
    if (QCoreApplication::arguments().contains(QStringLiteral("text")))
        (new QLabel(QStringLiteral("Skylyre for FS2004"), &window))->move(8, 8);
    reportFirstShowAndQuit(window);
    window.show();
    return app.exec();
}
