#include "FirstShow.h"

#include "ProcessMemory.h"

#include <QCoreApplication>
#include <QEvent>
#include <QWidget>

#include <cstdio>

namespace {

// Waits for the window's first paint; the report runs once the whole frame
// (the window and every control in it) has been painted and handed on.
class FirstPaint : public QObject
{
public:
    using QObject::QObject;

    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint) {
            watched->removeEventFilter(this);
            QMetaObject::invokeMethod(this, &FirstPaint::report, Qt::QueuedConnection);
        }
        return false;
    }

private:
    void report()
    {
        const long long shown = monotonicNanoseconds();
        std::printf("%lld %lld\n", shown, processMemory("VmRSS"));
        std::fflush(stdout);
        QCoreApplication::quit();
    }
};

} // namespace

void reportFirstShowAndQuit(QWidget &window)
{
    window.installEventFilter(new FirstPaint(&window));
}
