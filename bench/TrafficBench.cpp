// The hangar at the scale of AI traffic: 20,000 aircraft folders
// (TrafficCollection.h). The hangar filled with them, from the window's
// making to its list holding every aircraft, beside `skylyre list` of the
// same folder in the same run; the time a close takes while they are read,
// while the folders are walked and while the list fills; and, while the list
// fills, the time from Ctrl+A then Enter to the install dialog.

#include "BenchHangar.h"
#include "BenchSupport.h"
#include "TrafficCollection.h"
#include "hangar/HangarWindow.h"

#include <QApplication>
#include <QLabel>
#include <QProgressBar>
#include <QTest>
#include <QTreeView>

#include <benchmark/benchmark.h>

#include <chrono>
#include <utility>

namespace {

using Clock = std::chrono::steady_clock;

// While the list fills: the aircraft listed before the window is closed or
// asked for the install dialog.
constexpr int listedFirst = 5'000;

double seconds(Clock::time_point start, Clock::time_point end)
{
    return std::chrono::duration<double>(end - start).count();
}

void waitUntilListed(HangarWindow *window, int count)
{
    const auto *progress = window->findChild<QProgressBar *>(QStringLiteral("readingProgress"));
    while (window->isReading() && progress->value() < count)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    if (!window->isReading())
        benchFailure(QStringLiteral("the hangar read every aircraft before it was asked anything"));
}

// The time from a close of the hangar to its end.
double closeTime(HangarWindow *window)
{
    const auto start = Clock::now();
    window->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return seconds(start, Clock::now());
}

void list(benchmark::State &state)
{
    const QString folder = trafficCollection();
    const QByteArray summary = QByteArray::number(trafficAircraftCount) + " aircraft, "
        + QByteArray::number(trafficWithPlayer()) + " with the player.";
    for (auto _ : state) {
        const auto start = Clock::now();
        const QByteArray listed =
            outputOf({QStringLiteral(SKYLYRE_CONSOLE_PROGRAM), QStringLiteral("list"), folder});
        state.SetIterationTime(seconds(start, Clock::now()));
        if (!listed.contains(summary))
            benchFailure(QStringLiteral("list did not count the collection's aircraft"));
    }
    state.counters["aircraft"] = trafficAircraftCount;
}

void fill(benchmark::State &state)
{
    const QString folder = trafficCollection();
    YesDialogs dialogs;
    const QString filled =
        QStringLiteral("%1 aircraft, %2 with the Skylyre").arg(trafficAircraftCount).arg(trafficWithPlayer());
    for (auto _ : state) {
        const auto start = Clock::now();
        HangarWindow *window = filledHangar(dialogs, folder);
        state.SetIterationTime(seconds(start, Clock::now()));
        if (window->findChild<QLabel *>(QStringLiteral("countsLabel"))->text() != filled)
            benchFailure(QStringLiteral("the hangar did not count the collection's aircraft"));
        delete window;
    }
    state.counters["aircraft"] = trafficAircraftCount;
}

void closeWalking(benchmark::State &state)
{
    const QString folder = trafficCollection();
    YesDialogs dialogs;
    for (auto _ : state) {
        HangarWindow *window = openHangar(dialogs, folder);
        QCoreApplication::processEvents();
        state.SetIterationTime(closeTime(window));
    }
}

void closeListing(benchmark::State &state)
{
    const QString folder = trafficCollection();
    YesDialogs dialogs;
    for (auto _ : state) {
        HangarWindow *window = openHangar(dialogs, folder);
        waitUntilListed(window, listedFirst);
        state.SetIterationTime(closeTime(window));
    }
}

// Shuts the install dialog as soon as it shows, noting when that was.
class DialogWatch : public QObject
{
public:
    Clock::time_point shown;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Show && watched->objectName() == QStringLiteral("installDialog")) {
            shown = Clock::now();
            QMetaObject::invokeMethod(watched, "reject", Qt::QueuedConnection);
        }
        return false;
    }
};

void installDialogWhileListing(benchmark::State &state)
{
    const QString folder = trafficCollection();
    YesDialogs dialogs;
    DialogWatch watch;
    qApp->installEventFilter(&watch);
    for (auto _ : state) {
        HangarWindow *window = openHangar(dialogs, folder);
        waitUntilListed(window, listedFirst);
        auto *view = window->findChild<QTreeView *>(QStringLiteral("aircraftView"));
        view->setFocus();
        watch.shown = {};
        // Behind what the window has yet to do, as keys pressed now are.
        const auto pressed = Clock::now();
        QMetaObject::invokeMethod(
            view,
            [view] {
                QTest::keyClick(view, Qt::Key_A, Qt::ControlModifier);
                QTest::keyClick(view, Qt::Key_Return);
            },
            Qt::QueuedConnection);
        while (watch.shown == Clock::time_point())
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
        state.SetIterationTime(seconds(pressed, watch.shown));
        closeTime(window);
    }
    qApp->removeEventFilter(&watch);
}

const bool registered = [] {
    using Benchmark = void (*)(benchmark::State &);
    const std::pair<const char *, Benchmark> benchmarks[] = {
        {"console/list_20000", list},
        {"hangar/fill_20000", fill},
        {"hangar/close_walking", closeWalking},
        {"hangar/close_listing", closeListing},
        {"hangar/install_dialog_listing", installDialogWhileListing},
    };
    for (const auto &[name, function] : benchmarks)
        benchmark::RegisterBenchmark(name, function)
            ->UseManualTime()
            ->Iterations(1)
            ->Unit(benchmark::kMillisecond);
    return true;
}();

} // namespace
