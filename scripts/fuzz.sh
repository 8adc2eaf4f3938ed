#!/bin/sh
# Builds the libFuzzer targets with clang (ASan and UBSan) in a build folder of their own and
# runs each for a bounded time, as many at once as the machine has cores, starting from the
# seed corpus kept in fuzz/corpus. Prints the executions, the coverage, the peak memory and the
# findings of each. New inputs go to the build folder's corpus; a crash or a failed check
# leaves its input in the build folder's findings.
#
#   FUZZ_SECONDS  seconds per target (300)
#   FUZZ_DIR      build folder (build-fuzz)
#   FUZZ_TARGETS  which targets to run (editor_events, every decoder, clipboard, recovery_file)
#   FUZZ_JOBS     targets run at once (the number of cores)
#   JOBS          parallel compile jobs (2)
set -eu
cd "$(dirname "$0")/.."
seconds=${FUZZ_SECONDS:-300}
dir=${FUZZ_DIR:-build-fuzz}

# One target, already built: scripts/fuzz.sh --one NAME. Its summary line goes to its log.
if [ "${1:-}" = "--one" ]; then
    target=$2
    corpus="$dir/corpus/$target"
    findings="$dir/findings/$target"
    log="$dir/$target.log"
    mkdir -p "$corpus" "$findings"
    # Files made by the targets go to memory where there is room: a save syncs to disk.
    scratch=${TMPDIR:-/tmp}
    [ -d /dev/shm ] && [ -w /dev/shm ] && scratch=/dev/shm
    # Inputs up to the longest that still tells something: a recovery file is 18,600 bytes; a
    # PSF1 font of 512 glyphs 4,100 (the gzip target adds a byte); a map file of 80 x 50 cells
    # 4,000, one more to be refused, after the five bytes that place it; our own clipboard type
    # is refused past 2,048 bytes, and text past 2,048 values is only checked. Every other input
    # is read whole within 2 KB. An event sequence costs by its events, each checked in full: 128
    # bytes make some 27 events on average and keep it above 200 sequences a second, where 2 KB
    # ran under 60 and reached fewer edges in 20 minutes. Longer sequences run in the normal tests.
    case $target in
        editor_events) maxlen=128 ;;
        recovery_file) maxlen=20000 ;;
        psf | psf_gzip | file_formats) maxlen=4200 ;;
        clipboard) maxlen=8192 ;;
        *) maxlen=2048 ;;
    esac
    echo "Fuzzing $target for $seconds s (log in $log)"
    # Qt keeps caches between inputs, which the per-input leak check would take for leaks;
    # leaks are still looked for when the run ends. ASan's usual quarantine of 256 MB hands
    # every input fresh pages, which cost the small decoders most of their time; 16 MB still
    # holds freed memory back far longer than one input lasts.
    status=0
    TMPDIR="$scratch" LSAN_OPTIONS="suppressions=$PWD/fuzz/lsan.supp" \
        UBSAN_OPTIONS=print_stacktrace=1 ASAN_OPTIONS=quarantine_size_mb=16 \
        "$dir/fuzz/${target}_fuzz" -max_total_time="$seconds" -timeout=60 -max_len=$maxlen \
        -rss_limit_mb=512 -detect_leaks=0 \
        -print_final_stats=1 -artifact_prefix="$findings/" "$corpus" "fuzz/corpus/$target" \
        >"$log" 2>&1 || status=1
    runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -n 1)
    speed=$(sed -n 's/^stat::average_exec_per_sec: *//p' "$log" | tail -n 1)
    rss=$(sed -n 's/^stat::peak_rss_mb: *//p' "$log" | tail -n 1)
    cov=$(grep -o 'cov: [0-9]*' "$log" | tail -n 1 | cut -d' ' -f2)
    ft=$(grep -o 'ft: [0-9]*' "$log" | tail -n 1 | cut -d' ' -f2)
    found=$(find "$findings" -type f | wc -l)
    echo "$target: ${runs:-0} executions (${speed:-0}/s), ${cov:-0} edges, ${ft:-0} features, peak ${rss:-0} MB, $found findings" >"$log.summary"
    if [ "$found" -gt 0 ]; then
        find "$findings" -type f | sed 's/^/    /' >>"$log.summary"
        grep -E '^(==[0-9]+==ERROR|SUMMARY|Invariant failed|Format check failed|.*runtime error)' "$log" | head -n 5 | sed 's/^/    /' >>"$log.summary"
    fi
    exit $status
fi

jobs=${JOBS:-2}
parallel=${FUZZ_JOBS:-$(nproc 2>/dev/null || echo 2)}
targets=${FUZZ_TARGETS:-editor_events bmp png psf psf_gzip prg picture_import file_formats clipboard recovery_file}

CC=clang CXX=clang++ cmake -S . -B "$dir" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DPIXLORE_FUZZ=ON >/dev/null
# shellcheck disable=SC2046
cmake --build "$dir" -j "$jobs" --target $(printf '%s_fuzz ' $targets)

status=0
# shellcheck disable=SC2086
printf '%s\n' $targets | FUZZ_SECONDS=$seconds FUZZ_DIR=$dir xargs -P "$parallel" -n 1 "$0" --one || status=1
echo
for target in $targets; do
    cat "$dir/$target.log.summary"
done
exit $status
