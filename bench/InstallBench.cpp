// The aircraft.cfg install, worst case: a Reference install over a file with
// checklist entries and no reference entry, so that it reads the file three
// times (backup, reference pass, insertion pass) and writes the backup and
// the file back. It runs through the real Installer, answering Yes to both
// questions, on generated files of 1,000, 100,000 and 1,000,000 lines.
//
// Its baseline: copying the same file with cp and syncing the copy with sync,
// the two programs started as a user would, in the same run.

#include "installer/Installer.h"
#include "installer/PlayerPage.h"

#include "BenchSupport.h"
#include "GeneratedCfg.h"

#include <QFile>

#include <benchmark/benchmark.h>

#include <chrono>
#include <map>

namespace {

using Clock = std::chrono::steady_clock;

const QByteArray &generated(int lines)
{
    static std::map<int, QByteArray> cache;
    auto found = cache.find(lines);
    if (found == cache.end())
        found = cache.emplace(lines, realisticCfg(lines)).first;
    return found->second;
}

void install(benchmark::State &state, int lines)
{
    const QString folder = benchFolder(QStringLiteral("install-%1").arg(lines));
    const QString cfgPath = folder + QStringLiteral("/aircraft.cfg");
    const QByteArray &before = generated(lines);
    const qsizetype expectedSize = before.size()
        + qsizetype(checklistLines(lines)) * qsizetype(sizeof("kb_reference=cessna172_ref\r\n") - 1) + 2;

    YesDialogs dialogs;
    Installer installer(dialogs);
    installer.state.aircraftDir = folder + QLatin1Char('/');
    installer.state.aircraftName = QStringLiteral("cessna172");
    installer.state.playerCode = buildPlayerCode();
    installer.state.airOpened = 1;

    for (auto _ : state) {
        writeDurably(cfgPath, before); // each install starts from the file without its entry
        const auto start = Clock::now();
        installer.newWrite(QStringLiteral("ref"));
        const auto end = Clock::now();
        state.SetIterationTime(std::chrono::duration<double>(end - start).count());
        if (dialogs.errors != 0)
            benchFailure(dialogs.lastError);
    }
    if (QFile(cfgPath).size() != expectedSize)
        benchFailure(QStringLiteral("the install of %1 lines did not write the entries it should").arg(lines));
    state.SetBytesProcessed(state.iterations() * before.size());
    state.counters["lines"] = lines;
}

void copyAndSync(benchmark::State &state, int lines)
{
    const QString folder = benchFolder(QStringLiteral("cp-%1").arg(lines));
    const QString source = folder + QStringLiteral("/aircraft.cfg");
    const QString copy = folder + QStringLiteral("/aircraft.copy");
    writeDurably(source, generated(lines));

    for (auto _ : state) {
        QFile::remove(copy);
        const auto start = Clock::now();
        runProgram({QStringLiteral("cp"), source, copy});
        runProgram({QStringLiteral("sync"), copy});
        const auto end = Clock::now();
        state.SetIterationTime(std::chrono::duration<double>(end - start).count());
    }
    if (QFile(copy).size() != generated(lines).size())
        benchFailure(QStringLiteral("cp did not copy the file whole"));
    state.SetBytesProcessed(state.iterations() * generated(lines).size());
    state.counters["lines"] = lines;
}

// Iterations per repetition: enough for a stable figure, few enough that the
// whole table takes a minute or two on two cores.
int iterationsFor(int lines)
{
    return lines >= 1'000'000 ? 2 : lines >= 100'000 ? 8 : 40;
}

const bool registered = [] {
    for (int lines : {1'000, 100'000, 1'000'000}) {
        const std::string suffix = "/" + std::to_string(lines);
        benchmark::RegisterBenchmark(std::string("install").append(suffix).c_str(), install, lines)
            ->UseManualTime()
            ->Iterations(iterationsFor(lines))
            ->Unit(benchmark::kMillisecond);
        benchmark::RegisterBenchmark(std::string("cp_sync").append(suffix).c_str(), copyAndSync, lines)
            ->UseManualTime()
            ->Iterations(iterationsFor(lines))
            ->Unit(benchmark::kMillisecond);
    }
    return true;
}();

} // namespace
