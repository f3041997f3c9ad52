#!/usr/bin/env bash
# Builds the fuzz targets (clang, libFuzzer, address and undefined-behaviour
# sanitizers) in build-fuzz and runs each for a fixed time.
#   fuzz.sh [seconds per target] [target ...]
# Targets: coordinates puzzlename preview boardpicture editorpicture animation
# puzzlefile
# (all by default; the three picture decode paths share the pictures seeds); 600 s
# each by default, for a long campaign. Each starts from the seed corpus in
# tests/fuzz/seeds and keeps what it grows in build-fuzz/corpus/<target>; a
# finding is written to build-fuzz/findings/<target>/ and fails the run.
# FUZZ_RUNS=N ends each target after N executions instead (the time still
# bounds it).
set -euo pipefail

cd "$(dirname "$0")/.."

seconds=${1:-600}
shift || true
targets=("$@")
[ ${#targets[@]} -gt 0 ] || targets=(coordinates puzzlename preview boardpicture editorpicture animation puzzlefile)

launcher=()
command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
CC=clang CXX=clang++ cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DVUD_FUZZ=ON -DBUILD_TESTING=OFF "${launcher[@]}" >/dev/null
cmake --build build-fuzz -j2 --target fuzz_make_seeds "${targets[@]/#/fuzz_}"

runs=()
[ -z "${FUZZ_RUNS:-}" ] || runs=(-runs="$FUZZ_RUNS")

status=0
for target in "${targets[@]}"; do
    corpus=build-fuzz/corpus/$target
    findings=build-fuzz/findings/$target
    mkdir -p "$corpus" "$findings"
    log=build-fuzz/fuzz-$target.log
    seeds=tests/fuzz/seeds/$target
    case $target in preview|boardpicture|editorpicture) seeds=tests/fuzz/seeds/pictures ;; esac
    echo "== fuzz_$target for $seconds s"
    # Leaks are not looked for: Qt keeps caches for the process's life. A
    # smaller quarantine keeps freed memory warm, and no stack is recorded
    # for each allocation, for many more runs a second; a finding's saved
    # input, run again through the target, gives the report whole. Inputs
    # that run fast are mutated more often than slow ones (a small file
    # claiming a picture near the allocation limit takes a hundred times
    # longer than most), for several times more runs a second.
    if ! ASAN_OPTIONS=detect_leaks=0:abort_on_error=1:quarantine_size_mb=64:malloc_context_size=0 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
        build-fuzz/fuzz/fuzz_"$target" -max_total_time="$seconds" "${runs[@]}" -timeout=25 -rss_limit_mb=4096 \
        -entropic_scale_per_exec_time=1 -detect_leaks=0 -print_final_stats=1 -artifact_prefix="$findings/" \
        "$corpus" "$seeds" >"$log" 2>&1; then
        status=1
        echo "FINDING in fuzz_$target: see $log and $findings/"
        grep -E "ERROR|SUMMARY|==[0-9]+==|deadly" "$log" | head -n 20 || true
    fi
    grep -E "stat::number_of_executed_units|stat::peak_rss_mb" "$log" | sed 's/^/    /' || true
done
exit $status
