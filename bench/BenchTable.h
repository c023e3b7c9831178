#pragma once

#include <string>
#include <vector>

// The table that scripts/bench.sh prints after the benchmarks have run: each
// figure beside its baseline from the same run, and their ratio.
struct Comparison
{
    std::string area;     // "Installer", "Playlist", "Start-up"
    std::string label;    // what the ratio says
    std::string measured; // benchmark name (as registered)
    std::string baseline; // benchmark name of the baseline; empty: the figure itself is compared
    double target = 0;    // the ratio (or the figure, in seconds) must be at most this; 0: for information
    std::string counter = {};         // the benchmarks' counter (bytes) compared instead of their time
    std::string baselineCounter = {}; // the baseline's counter, where it is another
};

// Every comparison, in the order of the table; rows whose benchmarks have not
// run (not built yet, or filtered out) are listed as such.
const std::vector<Comparison> &comparisons();
