#!/usr/bin/env bash
# Builds the libFuzzer targets of fuzz/ with clang and runs each one for a set
# time (default 60 seconds), starting from its seed corpus fuzz/corpus/<target>/.
#
#   bash scripts/fuzz.sh [seconds] [target...]
#
# New inputs go to build/fuzz/corpus/<target>/ (the seeds in the repository
# are left as they are), the full log to build/fuzz/<target>.log, and an input
# that breaks an invariant or trips a sanitizer to build/fuzz/artifacts/<target>/;
# the script then shows the end of the log and exits non-zero. A target is a
# folder in fuzz/corpus/ with a program of the same name built by fuzz/CMakeLists.txt
# (and named in the fuzz build preset of CMakePresets.json).
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/common.sh

seconds="${1:-60}"
shift || true
scripts/install-packages.sh test

workflow fuzz >/dev/null

if [[ $# -gt 0 ]]; then
    targets=("$@")
else
    targets=()
    for corpus in fuzz/corpus/*/; do
        targets+=("$(basename "$corpus")")
    done
fi

failed=0
for target in "${targets[@]}"; do
    mkdir -p "build/fuzz/corpus/$target" "build/fuzz/artifacts/$target"
    args=(-max_total_time="$seconds" -timeout=10 -rss_limit_mb=4096 -print_final_stats=1
          -artifact_prefix="build/fuzz/artifacts/$target/")
    [[ -f "fuzz/dict/$target.dict" ]] && args+=(-dict="fuzz/dict/$target.dict")
    log="build/fuzz/$target.log"
    if "build/fuzz/$target" "${args[@]}" "build/fuzz/corpus/$target" "fuzz/corpus/$target" >"$log" 2>&1; then
        runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log")
        coverage=$(grep -o 'cov: [0-9]*' "$log" | tail -1)
        echo "fuzz $target: ${runs:-?} inputs in ${seconds} s, $coverage, no finding"
    else
        echo "fuzz $target: FINDING (log: $log, input in build/fuzz/artifacts/$target/)"
        tail -n 40 "$log"
        failed=1
    fi
done
exit "$failed"
