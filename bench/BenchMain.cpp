// Runs the benchmarks, then prints the table of BenchTable.cpp: the median
// time (or counter) of each figure and of its baseline, and their ratio
// against its target, or a figure alone against its target. Exits 3 when a
// target is missed.

#include "BenchTable.h"
#include "about/RegularExpressionEngine.h"

#include <QApplication>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdio>
#include <map>
#include <string>
#include <vector>

namespace {

// Prints as the console reporter does and keeps each benchmark's times and
// counters: a figure is the time ("") or the counter of a benchmark.
class CollectingReporter : public benchmark::ConsoleReporter
{
public:
    void ReportRuns(const std::vector<Run> &runs) override
    {
        ConsoleReporter::ReportRuns(runs);
        for (const Run &run : runs) {
            if (run.error_occurred)
                continue;
            std::map<std::string, double> figures = {
                {"", run.GetAdjustedRealTime() / benchmark::GetTimeUnitMultiplier(run.time_unit)}};
            for (const auto &[counter, value] : run.counters)
                figures[counter] = value;
            const std::string name = run.run_name.function_name;
            for (const auto &[figure, value] : figures) {
                if (run.run_type != Run::RT_Aggregate)
                    values[{name, figure}].push_back(value);
                else if (run.aggregate_name == "median")
                    medians[{name, figure}] = value;
            }
        }
    }

    // The median of a figure over the repetitions, or a negative number when
    // its benchmark did not run.
    double median(const std::string &name, const std::string &figure) const
    {
        if (auto found = medians.find({name, figure}); found != medians.end())
            return found->second;
        auto found = values.find({name, figure});
        if (found == values.end() || found->second.empty())
            return -1;
        std::vector<double> sorted = found->second;
        std::sort(sorted.begin(), sorted.end());
        const size_t n = sorted.size();
        return n % 2 ? sorted[n / 2] : (sorted[n / 2 - 1] + sorted[n / 2]) / 2;
    }

private:
    using Key = std::pair<std::string, std::string>;
    std::map<Key, double> medians;
    std::map<Key, std::vector<double>> values;
};

std::string formatSeconds(double seconds)
{
    char text[32];
    if (seconds < 0)
        return "-";
    if (seconds < 1e-3)
        std::snprintf(text, sizeof text, "%.1f us", seconds * 1e6);
    else if (seconds < 1)
        std::snprintf(text, sizeof text, "%.2f ms", seconds * 1e3);
    else
        std::snprintf(text, sizeof text, "%.3f s", seconds);
    return text;
}

std::string formatBytes(double bytes)
{
    char text[32];
    if (bytes < 0)
        return "-";
    std::snprintf(text, sizeof text, "%.1f MiB", bytes / (1024 * 1024));
    return text;
}

} // namespace

int main(int argc, char **argv)
{
    chooseRegularExpressionEngine();
    // The windows are measured without a display unless the run asks for one.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    CollectingReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();

    std::printf("\n%-10s %-52s %11s %11s %8s %12s  %s\n", "area", "ratio", "figure", "baseline", "ratio",
                "target", "");
    std::printf("%s\n", std::string(116, '-').c_str());
    bool missed = false;
    for (const Comparison &row : comparisons()) {
        const auto format = row.counter.empty() ? formatSeconds : formatBytes;
        const double measured = reporter.median(row.measured, row.counter);
        const bool absolute = row.baseline.empty();
        const std::string &baselineCounter = row.baselineCounter.empty() ? row.counter : row.baselineCounter;
        const double baseline = absolute ? 1 : reporter.median(row.baseline, baselineCounter);
        char target[16] = "-";
        if (row.target > 0 && absolute)
            std::snprintf(target, sizeof target, "<= %s", formatSeconds(row.target).c_str());
        else if (row.target > 0)
            std::snprintf(target, sizeof target, "<= %.4gx", row.target);
        const std::string baselineText = absolute ? "-" : format(baseline);
        if (measured < 0 || baseline <= 0) {
            std::printf("%-10s %-52s %11s %11s %8s %12s  %s\n", row.area.c_str(), row.label.c_str(),
                        format(measured).c_str(), baselineText.c_str(), "-", target, "not run");
            continue;
        }
        const double ratio = measured / baseline;
        const bool met = row.target <= 0 || ratio <= row.target;
        const char *verdict = row.target <= 0 ? "" : met ? "met" : "MISSED";
        missed = missed || !met;
        char ratioText[16] = "-";
        if (!absolute)
            std::snprintf(ratioText, sizeof ratioText, "%7.2fx", ratio);
        std::printf("%-10s %-52s %11s %11s %8s %12s  %s\n", row.area.c_str(), row.label.c_str(),
                    format(measured).c_str(), baselineText.c_str(), ratioText, target, verdict);
    }
    std::printf("(figure and baseline: medians of the repetitions, measured in the same run)\n");
    return missed ? 3 : 0;
}
