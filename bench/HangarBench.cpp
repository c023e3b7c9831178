// The hangar filled with the aircraft of the console program's benchmarks,
// 1,000 of 1,000-line aircraft.cfg files, each with the player: from the
// window's making to its list holding every aircraft, read in the window's
// own thread and shown. Compared with `skylyre list` of the same aircraft
// (console/list) in the same run.
//
// And Install… into 100 such aircraft, all selected, with Checklist, New
// File and a backup: from the install dialog's OK to the summary, beside cp
// and sync of their aircraft.cfg files.

#include "BenchAircraft.h"
#include "BenchHangar.h"
#include "BenchSupport.h"
#include "hangar/HangarWindow.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QDialogButtonBox>
#include <QFileInfo>
#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <QTreeView>

#include <benchmark/benchmark.h>

#include <chrono>

namespace {

using Clock = std::chrono::steady_clock;

constexpr int selectedCount = 100;

void fill(benchmark::State &state)
{
    const QString folder = benchFolder(QStringLiteral("hangar-fill"));
    installIntoAll(makeAircraft(folder));
    YesDialogs dialogs;
    const QString filled = QStringLiteral("%1 aircraft, %1 with the Skylyre").arg(aircraftCount);
    for (auto _ : state) {
        const auto start = Clock::now();
        HangarWindow *window = filledHangar(dialogs, folder);
        const auto end = Clock::now();
        state.SetIterationTime(std::chrono::duration<double>(end - start).count());
        if (window->findChild<QLabel *>(QStringLiteral("countsLabel"))->text() != filled)
            benchFailure(QStringLiteral("the hangar did not list every aircraft with the player"));
        delete window;
    }
    state.counters["aircraft"] = aircraftCount;
}

void installSelected(benchmark::State &state)
{
    const QString folder = benchFolder(QStringLiteral("hangar-install"));
    YesDialogs dialogs;
    for (auto _ : state) {
        const QStringList airFiles = makeAircraft(folder, selectedCount);
        HangarWindow *window = filledHangar(dialogs, folder);
        window->findChild<QTreeView *>(QStringLiteral("aircraftView"))->selectAll();
        Clock::time_point start;
        Clock::time_point end;
        // Answers the install dialog, then closes the summary.
        QTimer answering;
        QObject::connect(&answering, &QTimer::timeout, [&] {
            QWidget *modal = QApplication::activeModalWidget();
            if (modal && modal->objectName() == QStringLiteral("installDialog")) {
                for (const char *name : {"checklistBox", "newFileOption"})
                    modal->findChild<QAbstractButton *>(QLatin1String(name))->click();
                start = Clock::now();
                modal->findChild<QDialogButtonBox *>()->button(QDialogButtonBox::Ok)->click();
            } else if (modal && modal->objectName() == QStringLiteral("batchSummary")) {
                end = Clock::now();
                modal->close();
            }
        });
        answering.start(1);
        window->findChild<QAction *>(QStringLiteral("installAction"))->trigger();
        answering.stop();
        state.SetIterationTime(std::chrono::duration<double>(end - start).count());
        if (!QFileInfo::exists(QFileInfo(airFiles.last()).path() + QStringLiteral("/aircraft.bak")))
            benchFailure(QStringLiteral("the hangar's install made no backup"));
        delete window;
    }
    state.counters["aircraft"] = selectedCount;
}

void copyAndSync(benchmark::State &state)
{
    const QString folder = benchFolder(QStringLiteral("hangar-cp"));
    for (auto _ : state) {
        const QStringList airFiles = makeAircraft(folder, selectedCount);
        const auto start = Clock::now();
        copyAndSyncEach(airFiles);
        const auto end = Clock::now();
        state.SetIterationTime(std::chrono::duration<double>(end - start).count());
    }
    state.counters["aircraft"] = selectedCount;
}

const bool registered = [] {
    benchmark::RegisterBenchmark("hangar/install_100", installSelected)
        ->UseManualTime()
        ->Iterations(2)
        ->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("hangar/cp_sync_100", copyAndSync)
        ->UseManualTime()
        ->Iterations(2)
        ->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("hangar/fill", fill)
        ->UseManualTime()
        ->Iterations(5)
        ->Unit(benchmark::kMillisecond);
    return true;
}();

} // namespace
