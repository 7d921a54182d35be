#!/usr/bin/env bash
# Builds the libFuzzer targets (clang, AddressSanitizer + UndefinedBehaviorSanitizer) and runs
# each for a bounded time, then prints executions and crashes per target.
#
#   scripts/fuzz.sh [SECONDS] [TARGET...]
#
# SECONDS per target, default 60 (or ZORIVAN_FUZZ_SECONDS). TARGETs default to every
# fuzz/*_fuzz.cpp. A target that crashes is started again on its grown corpus until its time is
# up, so one fault does not hide the next (each distinct fault is told once, by its first line).
# Every crashing input is kept under <build>/fuzz-artifacts/<target>/ and can be replayed with
# `<build>/fuzz/<target> <file>`.
# Environment: ZORIVAN_FUZZ_BUILD_DIR (default build-fuzz), ZORIVAN_BUILD_JOBS (default 2),
# TMPDIR (default /dev/shm, where the profile target writes its files).
# Exit status: 0 when no target crashed, 1 otherwise.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/setup.sh

seconds=${1:-${ZORIVAN_FUZZ_SECONDS:-60}}
[ $# -gt 0 ] && shift
build=${ZORIVAN_FUZZ_BUILD_DIR:-build-fuzz}

cmake -S . -B "$build" -G Ninja -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo \
      -DZORIVAN_BUILD_FUZZ=ON -DZORIVAN_BUILD_QT=OFF -DZORIVAN_SANITIZE=ON >/dev/null
cmake --build "$build" -j "${ZORIVAN_BUILD_JOBS:-2}" --target fuzz_targets

if [ $# -gt 0 ]; then
    targets=("$@")
else
    targets=()
    for source in fuzz/*_fuzz.cpp; do targets+=("$(basename "$source" .cpp)"); done
fi

# The profile target writes and flushes a file per input: on a memory file system that costs
# microseconds instead of a disk flush.
if [ -z "${TMPDIR:-}" ] && [ -d /dev/shm ] && [ -w /dev/shm ]; then export TMPDIR=/dev/shm; fi
export ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=1:abort_on_error=1:symbolize=1}
export UBSAN_OPTIONS=${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}

results="$build/fuzz-results"
mkdir -p "$results"
summary="$results/summary.txt"
printf '%-24s %8s %12s %9s %7s %8s %8s\n' target seconds executions exec/s corpus crashes distinct \
    >"$summary"
status=0

for target in "${targets[@]}"; do
    binary="$build/fuzz/$target"
    corpus="$build/fuzz-corpus/$target"
    artifacts="$build/fuzz-artifacts/$target"
    log="$results/$target.log"
    mkdir -p "$corpus" "$artifacts"
    : >"$log"
    options=(-timeout=10 -print_final_stats=1 -artifact_prefix="$artifacts/")
    name=${target%_fuzz}
    [ -f "fuzz/$name.dict" ] && options+=(-dict="fuzz/$name.dict")
    seeds=()
    [ -d "fuzz/corpus/$target" ] && seeds+=("fuzz/corpus/$target")

    executions=0
    crashes=0
    signatures=()
    start=$(date +%s)
    while :; do
        left=$((seconds - ($(date +%s) - start)))
        [ "$left" -gt 0 ] || break
        run_log=$(mktemp)
        if "$binary" "${options[@]}" -max_total_time="$left" "$corpus" "${seeds[@]}" \
            >"$run_log" 2>&1; then
            ended=ok
        else
            ended=crash
            crashes=$((crashes + 1))
        fi
        runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$run_log" | tail -n 1)
        executions=$((executions + ${runs:-0}))
        cat "$run_log" >>"$log"
        if [ "$ended" = crash ]; then
            # The same fault is found again and again once the corpus leads to it: each one is
            # told once, by its first line.
            signature=$(grep -m 1 -E 'property broken|runtime error|ERROR: (Address|Leak)Sanitizer|ERROR: libFuzzer' \
                "$run_log" | sed -E 's/==[0-9]+==//; s/0x[0-9a-f]+/0x.../g' || true)
            known=0
            for seen in "${signatures[@]}"; do [ "$seen" = "$signature" ] && known=1; done
            if [ $known -eq 0 ]; then
                signatures+=("$signature")
                echo "== $target: $signature"
            fi
        fi
        rm -f "$run_log"
        [ "$ended" = ok ] && break
    done
    elapsed=$(($(date +%s) - start))
    [ "$elapsed" -gt 0 ] || elapsed=1
    files=$(find "$corpus" -type f | wc -l)
    printf '%-24s %8d %12d %9d %7d %8d %8d\n' "$target" "$elapsed" "$executions" \
        $((executions / elapsed)) "$files" "$crashes" "${#signatures[@]}" >>"$summary"
    for seen in "${signatures[@]}"; do echo "    $target: $seen" >>"$summary"; done
    [ "$crashes" -eq 0 ] || status=1
done

echo
cat "$summary"
echo "(crashing inputs: $build/fuzz-artifacts/<target>/)"
exit $status
