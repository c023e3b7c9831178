#!/usr/bin/env bash
# Builds Skylyre Configurator's benchmarks (bench/, Google Benchmark) in
# Release and runs them, then prints the table of figures and ratios: each
# figure beside its baseline, measured in the same run, interleaved at random
# and repeated, since the machine is shared and noisy.
#
#   bash scripts/bench.sh [repetitions] [extra Google Benchmark flags...]
#
# for example `bash scripts/bench.sh 3 --benchmark_filter=install/1000$`.
# Files are written under build/bench/scratch, on the disk under test (not a
# RAM disk). Exits 3 when a target is missed.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/common.sh

repetitions="${1:-5}"
shift || true
scripts/install-packages.sh test

workflow bench >/dev/null

export SKYLYRE_BENCH_DIR="$PWD/build/bench/scratch"
export QT_QPA_PLATFORM=offscreen
# A runtime folder of the runs' own, as a desktop session gives: without one,
# each program started warns about XDG_RUNTIME_DIR and the table is hard to find.
XDG_RUNTIME_DIR="$(mktemp -d)"
export XDG_RUNTIME_DIR
trap 'rm -rf "$XDG_RUNTIME_DIR"' EXIT
status=0
build/bench/bench/skylyre_bench \
    --benchmark_repetitions="$repetitions" \
    --benchmark_enable_random_interleaving=true \
    --benchmark_report_aggregates_only=true \
    "$@" || status=$?
rm -rf "$SKYLYRE_BENCH_DIR"
exit "$status"
