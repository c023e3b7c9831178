#include "FirstShow.h"

#include <QCoreApplication>
#include <QEvent>
#include <QFile>
#include <QWidget>

#include <cstdio>

namespace {

// VmRSS of /proc/self/status, in bytes; -1 when it cannot be read.
long long residentBytes()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith("VmRSS:"))
            return line.sliced(6).trimmed().chopped(3).trimmed().toLongLong() * 1024; // "1234 kB"
    }
    return -1;
}

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
        std::printf("%lld %lld\n", shown, residentBytes());
        std::fflush(stdout);
        QCoreApplication::quit();
    }
};

} // namespace

void reportFirstShowAndQuit(QWidget &window)
{
    window.installEventFilter(new FirstPaint(&window));
}
