#!/usr/bin/env bash
# Sets up, builds Release with the benchmarks, runs them all and writes the results, with the
# machine they ran on, to <build>/bench-results/ (one file per benchmark, plus machine.txt).
#
#   scripts/bench.sh [--quick]
#
# --quick: short runs without the 100,000-station sizes and a 10 s program run, as a smoke check.
# Environment: ZORIVAN_BENCH_BUILD_DIR (default build-bench), ZORIVAN_BUILD_JOBS (default 2),
# ZORIVAN_BENCH_SECONDS (the program run, default 60).
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/setup.sh
if ! command -v python3 >/dev/null; then
    SUDO=$([ "$(id -u)" -eq 0 ] || echo sudo)
    $SUDO apt-get install -y -qq --no-install-recommends python3
fi

quick=0
[ "${1:-}" = --quick ] && quick=1
build=${ZORIVAN_BENCH_BUILD_DIR:-build-bench}
seconds=${ZORIVAN_BENCH_SECONDS:-60}
gbench=()
startup_runs=5
if [ $quick -eq 1 ]; then
    gbench=(--benchmark_min_time=0.01 '--benchmark_filter=-.*/100000')
    seconds=10
    startup_runs=2
fi

# Release for the numbers; warnings are the sanitizer build's business.
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DZORIVAN_BUILD_BENCH=ON \
      -DZORIVAN_SANITIZE=OFF -DZORIVAN_WERROR=OFF >/dev/null
targets=(benchmarks rx320-sim)
[ -f src/platform/qt/main.cpp ] && targets+=(zorivan)
cmake --build "$build" -j "${ZORIVAN_BUILD_JOBS:-2}" --target "${targets[@]}"

out="$build/bench-results"
mkdir -p "$out"
{
    echo "date: $(date -u '+%Y-%m-%d %H:%M UTC')"
    echo "nproc: $(nproc)"
    echo "cpu: $(sed -n 's/^model name[[:space:]]*: //p' /proc/cpuinfo | head -n 1)"
    echo "memory: $(awk '/^MemTotal/ {printf "%.1f GiB", $2 / 1048576}' /proc/meminfo)"
    echo "kernel: $(uname -r)"
    echo "compiler: $(c++ --version | head -n 1)"
    echo "load before: $(cut -d ' ' -f 1-3 /proc/loadavg)"
} | tee "$out/machine.txt"

run() {
    local name=$1
    shift
    echo
    echo "== $name"
    "$@" 2>&1 | tee "$out/$name.txt"
}

for bench in receiver_commands_bench station_list_bench schedule_bench; do
    run "$bench" "$build/bench/$bench" --benchmark_counters_tabular=true \
        --benchmark_out="$out/$bench.json" --benchmark_out_format=json "${gbench[@]}"
done
if [ -x "$build/bench/qt_station_list_bench" ]; then
    run qt_station_list_bench env QT_QPA_PLATFORM=offscreen "$build/bench/qt_station_list_bench" \
        --benchmark_counters_tabular=true --benchmark_out="$out/qt_station_list_bench.json" \
        --benchmark_out_format=json "${gbench[@]}"
fi
run serial_line_bench "$build/bench/serial_line_bench" --simulator "$build/tools/rx320-sim/rx320-sim"
run sweep_bench "$build/bench/sweep_bench" --simulator "$build/tools/rx320-sim/rx320-sim"
if [ -x "$build/src/platform/qt/zorivan" ]; then
    run program_bench python3 bench/program_bench.py --zorivan "$build/src/platform/qt/zorivan" \
        --simulator "$build/tools/rx320-sim/rx320-sim" --seconds "$seconds" \
        --startup-runs "$startup_runs"
fi
echo "load after: $(cut -d ' ' -f 1-3 /proc/loadavg)" | tee -a "$out/machine.txt"
echo
echo "results: $out/"
