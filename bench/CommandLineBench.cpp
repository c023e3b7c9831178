// The console program over 1,000 aircraft, each with a realistic aircraft.cfg
// of 1,000 lines: `skylyre install --checklist --new --backup` of all of
// them, started as a user starts it, beside its baseline in the same run:
// copying each aircraft.cfg with cp and syncing the copy with sync, one
// aircraft after the other (an install writes and syncs three files per
// aircraft: the page, the backup and aircraft.cfg). And `skylyre list` of the
// folder of the same aircraft, whose figure is compared on its own.

#include "BenchAircraft.h"
#include "BenchSupport.h"

#include <QFile>
#include <QFileInfo>

#include <benchmark/benchmark.h>

#include <chrono>

namespace {

using Clock = std::chrono::steady_clock;

void install(benchmark::State &state)
{
    const QString folder = benchFolder(QStringLiteral("console-install"));
    for (auto _ : state) {
        const QStringList airFiles = makeAircraft(folder);
        const auto start = Clock::now();
        installIntoAll(airFiles);
        const auto end = Clock::now();
        state.SetIterationTime(std::chrono::duration<double>(end - start).count());
        if (!QFile::exists(QFileInfo(airFiles.last()).path() + QStringLiteral("/aircraft.bak")))
            benchFailure(QStringLiteral("the install made no backup"));
    }
    state.counters["aircraft"] = aircraftCount;
}

void copyAndSync(benchmark::State &state)
{
    const QString folder = benchFolder(QStringLiteral("console-cp"));
    for (auto _ : state) {
        const QStringList airFiles = makeAircraft(folder);
        const auto start = Clock::now();
        copyAndSyncEach(airFiles);
        const auto end = Clock::now();
        state.SetIterationTime(std::chrono::duration<double>(end - start).count());
    }
    state.counters["aircraft"] = aircraftCount;
}

void list(benchmark::State &state)
{
    const QString folder = benchFolder(QStringLiteral("console-list"));
    installIntoAll(makeAircraft(folder));
    for (auto _ : state) {
        const auto start = Clock::now();
        const QByteArray listed =
            outputOf({QStringLiteral(SKYLYRE_CONSOLE_PROGRAM), QStringLiteral("list"), folder});
        const auto end = Clock::now();
        state.SetIterationTime(std::chrono::duration<double>(end - start).count());
        if (!listed.contains(QByteArray::number(aircraftCount) + " aircraft, "
                             + QByteArray::number(aircraftCount) + " with the player."))
            benchFailure(QStringLiteral("list did not find the player in every aircraft"));
    }
    state.counters["aircraft"] = aircraftCount;
}

const bool registered = [] {
    benchmark::RegisterBenchmark("console/install", install)
        ->UseManualTime()
        ->Iterations(2)
        ->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("console/cp_sync", copyAndSync)
        ->UseManualTime()
        ->Iterations(2)
        ->Unit(benchmark::kMillisecond);
    benchmark::RegisterBenchmark("console/list", list)
        ->UseManualTime()
        ->Iterations(5)
        ->Unit(benchmark::kMillisecond);
    return true;
}();

} // namespace
