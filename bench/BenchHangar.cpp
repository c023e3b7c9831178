#include "BenchHangar.h"

#include "hangar/HangarWindow.h"

#include <QCoreApplication>

HangarWindow *openHangar(Dialogs &dialogs, const QString &folder)
{
    auto *window = new HangarWindow(dialogs, {}, [folder] {
        return QList<LabelledFolder>{{folder, QStringLiteral("FS2004")}};
    });
    window->show();
    return window;
}

HangarWindow *filledHangar(Dialogs &dialogs, const QString &folder)
{
    HangarWindow *window = openHangar(dialogs, folder);
    while (window->isReading())
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    QCoreApplication::processEvents();
    return window;
}
