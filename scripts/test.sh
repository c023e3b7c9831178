#!/usr/bin/env bash
# Builds Skylyre Configurator with its tests and runs every test, without a
# display. Exits non-zero when anything fails. In order:
#   1. the normal build (g++, Debug; the benchmarks are compiled, not run);
#   2. a short run of each fuzz target (clang, libFuzzer; see scripts/fuzz.sh);
#   3. the whole test suite again, built with AddressSanitizer and
#      UndefinedBehaviorSanitizer (SKYLYRE_SANITIZE).
# SKYLYRE_FUZZ_SECONDS sets the time of each fuzz target (default 5).
set -euo pipefail
cd "$(dirname "$0")/.."

scripts/install-packages.sh test
export QT_QPA_PLATFORM=offscreen
jobs="$(nproc)"

# run_suite <build folder> <cmake options...>: configures, builds and runs CTest.
run_suite() {
    local folder="$1"
    shift
    echo "== Tests in $folder"
    cmake -S . -B "$folder" "$@"
    cmake --build "$folder" --parallel "$jobs"
    ctest --test-dir "$folder" --output-on-failure --parallel "$jobs"
}

run_suite build/test -DCMAKE_BUILD_TYPE=Debug -DSKYLYRE_BUILD_BENCHMARKS=ON

echo "== Fuzzing each target for ${SKYLYRE_FUZZ_SECONDS:-5} s"
bash scripts/fuzz.sh "${SKYLYRE_FUZZ_SECONDS:-5}"

run_suite build/asan -DCMAKE_BUILD_TYPE=Debug -DSKYLYRE_SANITIZE=ON
