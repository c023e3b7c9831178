#!/usr/bin/env bash
# Builds Skylyre Configurator with its tests and runs every test, without a
# display. Exits non-zero when anything fails. In order:
#   0. every C++ source is formatted as .clang-format says, and every
#      catalogue of the languages holds every word of the sources, translated
#      (scripts/check-translations.sh);
#   1. the normal build (g++, Debug; the benchmarks are compiled, not run)
#      and its tests, among them the console program on three aircraft
#      (scripts/test-command-line.sh);
#   2. the Debian package, checked by Debian's tools, installed into a folder
#      of its own and removed (scripts/test-debian-package.sh);
#   3. a short run of each fuzz target (clang, libFuzzer; see scripts/fuzz.sh);
#   4. the whole test suite again, built with AddressSanitizer and
#      UndefinedBehaviorSanitizer (SKYLYRE_SANITIZE);
#   5. the Windows build (MinGW-w64) and its tests under Wine (on a virtual
#      display that Wine's own dialogs need), the console program
#      skylyre.exe on three aircraft among them, then the
#      Windows packages, installed and uninstalled under Wine
#      (scripts/test-windows-package.sh). It needs a Qt for Windows:
#      $SKYLYRE_QT_WINDOWS, ../shared/qt6-mingw64 beside the checkout, or
#      build/qt6-mingw64 (scripts/build-qt6-mingw64.sh);
#   6. the user's home is as it was before the tests (ccache's folder aside).
# SKYLYRE_FUZZ_SECONDS sets the time of each fuzz target (default 5).
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/common.sh
source scripts/display.sh
source scripts/wine.sh

scripts/install-packages.sh test
export QT_QPA_PLATFORM=offscreen

# The tests keep to homes of their own: the user's is the same after them.
# Only ccache's folder in it may change, with the builds.
ccache_dir=$(ccache -k cache_dir 2>/dev/null || true)
[[ -z "$ccache_dir" ]] || mkdir -p "$ccache_dir"
home_state() {
    find "$HOME" -xdev -path "${ccache_dir:-/nonexistent}" -prune -o -printf '%p %s %T@\n' | sort
}
mkdir -p build
home_before=build/home-before-tests.txt
home_state >"$home_before"

echo "== Formatting"
git ls-files -z '*.cpp' '*.h' | xargs -0 clang-format --dry-run --Werror

echo "== Catalogues of the languages"
bash scripts/check-translations.sh

# run_suite <preset>: configures, builds and runs the tests of a preset
# (its workflow in CMakePresets.json), in build/<preset>.
run_suite() {
    echo "== Tests in build/$1"
    workflow "$1"
}

run_suite test

echo "== Debian package"
bash scripts/test-debian-package.sh

echo "== Fuzzing each target for ${SKYLYRE_FUZZ_SECONDS:-5} s"
bash scripts/fuzz.sh "${SKYLYRE_FUZZ_SECONDS:-5}"

run_suite asan

SKYLYRE_QT_WINDOWS=$(qt_for_windows)
export SKYLYRE_QT_WINDOWS
if [[ -z "$SKYLYRE_QT_WINDOWS" ]]; then
    echo "== Windows stage SKIPPED (not passed): no Qt for Windows; set SKYLYRE_QT_WINDOWS or run scripts/build-qt6-mingw64.sh build/qt6-mingw64."
else
    echo "== Windows build, its tests under Wine, and its packages"
    scripts/install-packages.sh windows
    # Qt draws offscreen, but Wine makes the system's file dialog only with
    # a display to put it on.
    start_display 800x600
    start_wine build/wine
    trap 'stop_wine; stop_display' EXIT
    run_suite windows
    stop_wine
    stop_display
    bash scripts/test-windows-package.sh
fi

echo "== The user's home after the tests"
home_state | diff "$home_before" - >&2 ||
    fail "the tests changed the user's home ($HOME), above: < before, > after."
echo "unchanged"
