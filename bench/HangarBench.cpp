// The hangar filled with the aircraft of the console program's benchmarks,
// 1,000 of 1,000-line aircraft.cfg files, each with the player: from the
// window's making to its list holding every aircraft, read in the window's
// own thread and shown. Compared with `skylyre list` of the same aircraft
// (console/list) in the same run.

#include "BenchAircraft.h"
#include "BenchSupport.h"
#include "gui/HangarWindow.h"

#include <QApplication>
#include <QLabel>

#include <benchmark/benchmark.h>

#include <chrono>

namespace {

using Clock = std::chrono::steady_clock;

void fill(benchmark::State &state)
{
    const QString folder = benchFolder(QStringLiteral("hangar-fill"));
    installIntoAll(makeAircraft(folder));
    YesDialogs dialogs;
    const auto search = [folder] { return QList<LabelledFolder>{{folder, QStringLiteral("FS2004")}}; };
    const QString filled = QStringLiteral("%1 aircraft, %1 with the Skylyre").arg(aircraftCount);
    for (auto _ : state) {
        const auto start = Clock::now();
        auto *window = new HangarWindow(dialogs, {}, search);
        window->show();
        while (window->isReading())
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
        QCoreApplication::processEvents();
        const auto end = Clock::now();
        state.SetIterationTime(std::chrono::duration<double>(end - start).count());
        if (window->findChild<QLabel *>(QStringLiteral("countsLabel"))->text() != filled)
            benchFailure(QStringLiteral("the hangar did not list every aircraft with the player"));
        delete window;
    }
    state.counters["aircraft"] = aircraftCount;
}

const bool registered = [] {
    benchmark::RegisterBenchmark("hangar/fill", fill)
        ->UseManualTime()
        ->Iterations(5)
        ->Unit(benchmark::kMillisecond);
    return true;
}();

} // namespace
