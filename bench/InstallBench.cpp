// The aircraft.cfg install, worst case: a Reference install over a file with
// checklist entries and no reference entry, so that it runs the insertion
// pass, and writes the backup and the file back. It runs through the real
// Installer, answering Yes to both questions, on generated files of 1,000,
// 100,000 and 1,000,000 lines; the page faults it takes are counted per line.
//
// Its baseline: copying the same file with cp and syncing the copy with sync,
// the two programs started as a user would, in the same run.
//
// Its memory: the same install of 1,000,000 lines, once in a fresh program
// (memory/InstallOnceMain.cpp), whose most resident memory during the install
// is compared with its memory just before it and with the file's size.

#include "gui/Installer.h"

#include "BenchSupport.h"
#include "GeneratedCfg.h"

#include <QFile>

#include <benchmark/benchmark.h>

#include <chrono>
#include <map>

#include <sys/resource.h>

namespace {

using Clock = std::chrono::steady_clock;

// The page faults this process has taken so far (those served without I/O).
long pageFaults()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_minflt;
}

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
    chooseBenchAircraft(installer, folder);

    double faults = 0;
    for (auto _ : state) {
        // Each install starts from the file without its entry, its page and
        // its backup, so that it writes all three.
        writeDurably(cfgPath, before);
        QFile::remove(folder + QStringLiteral("/cessna172_ref.htm"));
        QFile::remove(folder + QStringLiteral("/aircraft.bak"));
        const long faultsBefore = pageFaults();
        const auto start = Clock::now();
        installer.installNewPage(KneeboardSection::Reference);
        const auto end = Clock::now();
        faults += double(pageFaults() - faultsBefore);
        state.SetIterationTime(std::chrono::duration<double>(end - start).count());
        if (dialogs.errors != 0)
            benchFailure(dialogs.lastError);
    }
    if (QFile(cfgPath).size() != expectedSize)
        benchFailure(
            QStringLiteral("the install of %1 lines did not write the entries it should").arg(lines));
    state.SetBytesProcessed(state.iterations() * before.size());
    state.counters["lines"] = lines;
    state.counters["faults_per_line"] = faults / double(state.iterations()) / lines;
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

void installOnce(benchmark::State &state, int lines)
{
    const QString folder = benchFolder(QStringLiteral("install-once-%1").arg(lines));
    double aboveIdle = 0;
    for (auto _ : state) {
        writeDurably(folder + QStringLiteral("/aircraft.cfg"), generated(lines));
        QFile::remove(folder + QStringLiteral("/aircraft.bak")); // the first install of the aircraft
        const QList<QByteArray> report =
            outputOf({QStringLiteral(SKYLYRE_INSTALL_ONCE), folder}).trimmed().split(' ');
        if (report.size() != 3 || report[0].toLongLong() <= 0 || report[1].toLongLong() <= 0)
            benchFailure(QStringLiteral("the single install reported nothing usable"));
        aboveIdle += double(report[1].toLongLong() - report[0].toLongLong());
        state.SetIterationTime(double(report[2].toLongLong()) / 1e9);
    }
    state.counters["peak_above_idle"] =
        benchmark::Counter(aboveIdle, benchmark::Counter::kAvgIterations, benchmark::Counter::kIs1024);
    state.counters["file_size"] = benchmark::Counter(
        double(generated(lines).size()), benchmark::Counter::kDefaults, benchmark::Counter::kIs1024);
}

// Iterations per repetition: enough for a stable figure, few enough that the
// whole table takes a minute or two on two cores.
int iterationsFor(int lines)
{
    return lines >= 1'000'000 ? 2 : lines >= 100'000 ? 8 : 40;
}

void add(const char *name, void (*run)(benchmark::State &, int), int lines, int iterations)
{
    std::string fullName = name;
    fullName += '/';
    fullName += std::to_string(lines);
    benchmark::RegisterBenchmark(fullName.c_str(), run, lines)
        ->UseManualTime()
        ->Iterations(iterations)
        ->Unit(benchmark::kMillisecond);
}

const bool registered = [] {
    for (int lines : {1'000, 100'000, 1'000'000}) {
        add("install", install, lines, iterationsFor(lines));
        add("cp_sync", copyAndSync, lines, iterationsFor(lines));
    }
    add("install_once", installOnce, 1'000'000, 1);
    return true;
}();

} // namespace
