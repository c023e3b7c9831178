#include "BenchTable.h"

// The figures and their targets.
const std::vector<Comparison> &comparisons()
{
    static const std::vector<Comparison> table = {
        {"Installer", "1,000 lines: install / cp + sync", "install/1000", "cp_sync/1000", 0},
        {"Installer", "100,000 lines: install / cp + sync", "install/100000", "cp_sync/100000", 0},
        {"Installer", "1,000,000 lines: install / cp + sync", "install/1000000", "cp_sync/1000000", 3},
        {"Installer", "install: 100,000 / 1,000 lines", "install/100000", "install/1000", 0},
        {"Installer", "install: 1,000,000 / 100,000 lines (linear: 10)", "install/1000000", "install/100000",
         11},
        {"Installer", "1,000,000 lines: peak memory above idle / file size", "install_once/1000000",
         "install_once/1000000", 2.5, "peak_above_idle", "file_size"},
        {"Installer", "1,000,000 lines: install in a fresh program / cp + sync", "install_once/1000000",
         "cp_sync/1000000", 0},
        {"Command line", "install into 1,000 aircraft / cp + sync of their aircraft.cfg", "console/install",
         "console/cp_sync", 3},
        {"Command line", "list of 1,000 aircraft, in seconds", "console/list", "", 1},
        {"Hangar", "1,000 aircraft listed in the window / skylyre list of them", "hangar/fill",
         "console/list", 2},
        {"Command line", "list of 20,000 aircraft, in seconds", "console/list_20000", "", 0},
        {"Hangar", "20,000 aircraft listed in the window / skylyre list", "hangar/fill_20000",
         "console/list_20000", 2},
        {"Hangar", "20,000 aircraft: closed while walking, in seconds", "hangar/close_walking", "", 0.1},
        {"Hangar", "20,000 aircraft: closed while listing, in seconds", "hangar/close_listing", "", 0.1},
        {"Hangar", "20,000 aircraft: Ctrl+A, Enter to the install dialog", "hangar/install_dialog_listing",
         "", 1},
        {"Hangar", "Install into 100 selected aircraft / cp + sync of their aircraft.cfg",
         "hangar/install_100", "hangar/cp_sync_100", 3},
        {"Playlist", "open + save 32,767 entries / fill a bare QListWidget", "playlist/open_save",
         "playlist/bare_list", 1.5},
        {"Playlist", "open + save 32,767 entries, in seconds", "playlist/open_save", "", 0.2},
        {"Start-up", "time to the main window / a bare Qt window", "startup/program", "startup/bare_window",
         1.25},
        {"Start-up", "resident memory / a bare Qt window", "startup/program", "startup/bare_window", 1.25,
         "resident_bytes"},
        {"Start-up", "time to the main window / a window with text", "startup/program", "startup/text_window",
         0},
        {"Start-up", "resident memory / a window with text", "startup/program", "startup/text_window", 0,
         "resident_bytes"},
    };
    return table;
}
