#!/bin/sh
# Builds the libFuzzer targets with clang (ASan and UBSan) in a build folder of their own and
# runs each for a bounded time, starting from the seed corpus kept in fuzz/corpus. Prints the
# executions, the coverage and the findings of each. New inputs go to the build folder's
# corpus; a crash or a failed invariant leaves its input in the build folder's findings.
#
#   FUZZ_SECONDS  seconds per target (300)
#   FUZZ_DIR      build folder (build-fuzz)
#   FUZZ_TARGETS  which targets to run (editor_events file_formats clipboard)
#   JOBS          parallel compile jobs (2)
set -eu
cd "$(dirname "$0")/.."
seconds=${FUZZ_SECONDS:-300}
dir=${FUZZ_DIR:-build-fuzz}
jobs=${JOBS:-2}
targets=${FUZZ_TARGETS:-editor_events file_formats clipboard}

CC=clang CXX=clang++ cmake -S . -B "$dir" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DPIXLORE_FUZZ=ON >/dev/null
cmake --build "$dir" -j "$jobs" --target editor_events_fuzz file_formats_fuzz clipboard_fuzz

# Files made by the targets go to memory where there is room: a save syncs to disk.
scratch=${TMPDIR:-/tmp}
[ -d /dev/shm ] && [ -w /dev/shm ] && scratch=/dev/shm

status=0
summary=""
for target in $targets; do
    corpus="$dir/corpus/$target"
    findings="$dir/findings/$target"
    log="$dir/$target.log"
    mkdir -p "$corpus" "$findings"
    echo "Fuzzing $target for $seconds s (log in $log)"
    # Qt keeps caches between inputs, which the per-input leak check would take for leaks;
    # leaks are still looked for when the run ends.
    TMPDIR="$scratch" LSAN_OPTIONS="suppressions=$PWD/fuzz/lsan.supp" \
        UBSAN_OPTIONS=print_stacktrace=1 \
        "$dir/fuzz/${target}_fuzz" -max_total_time="$seconds" -timeout=60 -max_len=2048 \
        -detect_leaks=0 \
        -print_final_stats=1 -artifact_prefix="$findings/" "$corpus" "fuzz/corpus/$target" \
        >"$log" 2>&1 || status=1
    runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -n 1)
    speed=$(sed -n 's/^stat::average_exec_per_sec: *//p' "$log" | tail -n 1)
    cov=$(grep -o 'cov: [0-9]*' "$log" | tail -n 1 | cut -d' ' -f2)
    ft=$(grep -o 'ft: [0-9]*' "$log" | tail -n 1 | cut -d' ' -f2)
    found=$(find "$findings" -type f | wc -l)
    line="$target: ${runs:-0} executions (${speed:-0}/s), ${cov:-0} edges, ${ft:-0} features, $found findings"
    summary="$summary$line
"
    if [ "$found" -gt 0 ]; then
        find "$findings" -type f | sed 's/^/    /'
        grep -E '^(==[0-9]+==ERROR|SUMMARY|Invariant failed|Format check failed|.*runtime error)' "$log" | head -n 5 | sed 's/^/    /'
    fi
done
printf '\n%s' "$summary"
exit $status
