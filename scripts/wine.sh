# Sourced by the Windows scripts.
#
# start_wine <prefix> makes (or reuses) a Wine prefix of the build tree's own,
# quiet, without the .NET and Gecko installs Wine would offer and without the
# menu entries, icons and file types that it would add to the user's home for
# what a program installs, and starts
# its server and services at once: a Windows program started later (by CTest,
# say) then finds them running instead of starting them as its own children,
# which would hold its output open and keep CTest waiting long after the
# program has ended. The caller stops them again with stop_wine.
start_wine() {
    export WINEPREFIX
    WINEPREFIX=$(realpath -m "$1")
    export WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
    mkdir -p "$WINEPREFIX"
    # Wine keys a prefix's server by its folder's inode. A server left
    # running for a folder since deleted, whose inode a new folder reuses,
    # would be taken for this prefix's and refuse to start another: it is
    # ended first.
    wineserver -k 2>/dev/null || true
    wineserver -w
    local log="$WINEPREFIX.start.log"
    if ! { wineserver -p && wineboot -i; } </dev/null >"$log" 2>&1 || [[ ! -d "$WINEPREFIX/drive_c/windows" ]]; then
        echo "Wine did not start in $WINEPREFIX. It said:" >&2
        cat "$log" >&2
        return 1
    fi
}

stop_wine() {
    wineserver -k 2>/dev/null || true
}

# The Qt for Windows to build with: $SKYLYRE_QT_WINDOWS, else the prebuilt one
# in ../shared/qt6-mingw64 beside the checkout, else the one that
# scripts/build-windows.sh has scripts/build-qt6-mingw64.sh build into the
# build tree; empty when none is there.
qt_for_windows() {
    local qt
    for qt in ${SKYLYRE_QT_WINDOWS:+"$SKYLYRE_QT_WINDOWS"} ../shared/qt6-mingw64 build/qt6-mingw64; do
        if [[ -f "$qt/lib/cmake/Qt6/Qt6Config.cmake" ]]; then
            realpath "$qt"
            return 0
        fi
    done
    return 0
}
