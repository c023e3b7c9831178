#include "BenchTable.h"

// Issue 6's figures. The playlist and start-up rows are measured by
// benchmarks that come with those parts; until then they show as not run.
const std::vector<Comparison> &comparisons()
{
    static const std::vector<Comparison> table = {
        {"Installer", "1,000 lines: install / cp + sync", "install/1000", "cp_sync/1000", 0},
        {"Installer", "100,000 lines: install / cp + sync", "install/100000", "cp_sync/100000", 0},
        {"Installer", "1,000,000 lines: install / cp + sync", "install/1000000", "cp_sync/1000000", 3},
        {"Installer", "install: 100,000 / 1,000 lines", "install/100000", "install/1000", 0},
        {"Installer", "install: 1,000,000 / 100,000 lines (linear: 10)", "install/1000000",
         "install/100000", 12},
        {"Playlist", "open + save 32,767 entries / fill a bare QListWidget", "playlist/open_save",
         "playlist/bare_list", 1.5},
        {"Start-up", "time to the main window / a bare Qt window", "startup/time", "startup/bare_time", 1.25},
        {"Start-up", "resident memory / a bare Qt window", "startup/memory", "startup/bare_memory", 1.25},
    };
    return table;
}
