// Runs the benchmarks, then prints the table of BenchTable.cpp: the median
// time of each figure and of its baseline, and their ratio against its
// target. Exits 3 when a target is missed.

#include "BenchTable.h"

#include <QCoreApplication>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdio>
#include <map>
#include <string>
#include <vector>

namespace {

// Prints as the console reporter does and keeps each benchmark's times.
class CollectingReporter : public benchmark::ConsoleReporter
{
public:
    void ReportRuns(const std::vector<Run> &runs) override
    {
        ConsoleReporter::ReportRuns(runs);
        for (const Run &run : runs) {
            if (run.error_occurred)
                continue;
            const std::string name = run.run_name.function_name;
            const double seconds = run.GetAdjustedRealTime()
                / benchmark::GetTimeUnitMultiplier(run.time_unit);
            if (run.run_type == Run::RT_Aggregate) {
                if (run.aggregate_name == "median")
                    medians[name] = seconds;
            } else {
                times[name].push_back(seconds);
            }
        }
    }

    // The median of a benchmark's repetitions, or a negative number when it
    // did not run.
    double median(const std::string &name) const
    {
        if (auto found = medians.find(name); found != medians.end())
            return found->second;
        auto found = times.find(name);
        if (found == times.end() || found->second.empty())
            return -1;
        std::vector<double> sorted = found->second;
        std::sort(sorted.begin(), sorted.end());
        const size_t n = sorted.size();
        return n % 2 ? sorted[n / 2] : (sorted[n / 2 - 1] + sorted[n / 2]) / 2;
    }

private:
    std::map<std::string, double> medians;
    std::map<std::string, std::vector<double>> times;
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

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    CollectingReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    benchmark::Shutdown();

    std::printf("\n%-10s %-52s %11s %11s %8s %8s  %s\n", "area", "ratio", "figure", "baseline",
                "ratio", "target", "");
    std::printf("%s\n", std::string(112, '-').c_str());
    bool missed = false;
    for (const Comparison &row : comparisons()) {
        const double measured = reporter.median(row.measured);
        const double baseline = reporter.median(row.baseline);
        char target[16] = "-";
        if (row.target > 0)
            std::snprintf(target, sizeof target, "<= %.4gx", row.target);
        if (measured < 0 || baseline <= 0) {
            std::printf("%-10s %-52s %11s %11s %8s %8s  %s\n", row.area.c_str(), row.label.c_str(),
                        formatSeconds(measured).c_str(), formatSeconds(baseline).c_str(), "-", target,
                        "not run");
            continue;
        }
        const double ratio = measured / baseline;
        const char *verdict = row.target <= 0 ? "" : ratio <= row.target ? "met" : "MISSED";
        missed = missed || (row.target > 0 && ratio > row.target);
        std::printf("%-10s %-52s %11s %11s %7.2fx %8s  %s\n", row.area.c_str(), row.label.c_str(),
                    formatSeconds(measured).c_str(), formatSeconds(baseline).c_str(), ratio, target, verdict);
    }
    std::printf("(figure and baseline: medians of the repetitions, measured in the same run)\n");
    return missed ? 3 : 0;
}
