#!/usr/bin/env bash
# Sweep and strip chart against the simulator's station band at its 1200-baud pace, keys only,
# under a private Xvfb: w opens the sweep window, a range is typed, Start sweeps it; then y
# opens the scan controls, a band scan round the 31 m broadcast stops on it and goes on, h shows
# the strip chart and Y stops the scan. Screenshots: OUT/sweep.png and OUT/strip-chart.png.
#
#   scripts/scan-demo.sh [OUT]      (default build-run/scan-demo)
#
# DEMO_SKIP_BUILD=1 uses the program already built in DEMO_BUILD_DIR (default build-run).
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/demo-common.sh
demo_build_dir=${DEMO_BUILD_DIR:-$demo_build_dir}

[ -n "${DEMO_SKIP_BUILD:-}" ] || demo_build
demo_prepare_output "${1:-$demo_build_dir/scan-demo}"
demo_start_sim "$out" --band
demo_write_profile "$out"
printf 'Frequency=9580000\nSquelchLevel=40\n' >>"$out/zorivan.INI"
printf '[Log]\nSignalLog=1\nSignalLogFile=%s\n' "$out/signal-log.csv" >>"$out/zorivan.INI"
export DEMO_SCREEN=1024x900x24
demo_start_x
demo_start_app

# Types text into the spin box that alt+key reaches.
set_field() {
    demo_key "alt+$1" ctrl+a
    xdotool type --delay 80 "$2"
}

grab() {  # window name, file
    local id
    id=$(xdotool search --name "$1" | head -n 1)
    xdotool windowmove --sync "$id" 0 0
    sleep 1
    import -window "$id" "$2"
}

echo "scan-demo: w opens the sweep window; 9560 to 9600 kHz by 500 Hz, W sweeps"
demo_key w
demo_wait_window "ZORIVAN  Sweep"
set_field f 9560
set_field t 9600
set_field e 500
demo_key alt+s
sleep 12
grab "ZORIVAN  Sweep" "$out/sweep.png"
grep -c "signal query" "$out/sim.log" | sed 's/^/scan-demo: signal queries so far: /'

echo "scan-demo: y opens the scan controls; band scan 9570 to 9590 kHz by 5 kHz, hold 3 s"
main=$(xdotool search --name "^ *ZORIVAN  Ten-Tec" | head -n 1)
xdotool windowfocus --sync "$main"
demo_key y
demo_wait_window "ZORIVAN  Scan"
set_field f 9570
set_field t 9590
set_field e 5000
set_field h 3
demo_key alt+b
sleep 25
xdotool windowfocus --sync "$main"
demo_key h
demo_wait_window "ZORIVAN  Strip chart"
sleep 2
grab "ZORIVAN  Strip chart" "$out/strip-chart.png"
xdotool windowfocus --sync "$main"
demo_key Y
demo_exit_app
echo "scan-demo: signal log $(wc -l <"$out/signal-log.csv") lines:"
head -n 3 "$out/signal-log.csv"
echo "Screenshots: $out/sweep.png $out/strip-chart.png   log: $out/sim.log"
