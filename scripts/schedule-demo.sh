#!/usr/bin/env bash
# The broadcast schedule under Xvfb against the simulated RX-320, from the keyboard alone: the
# profile names examples/sked-sample.csv (an EiBi-style file in Windows-1252 with CR LF), the
# line under the frequency readout names who is on air, b opens the schedule window, its filter
# finds a Morse station and a broadcast, Enter tunes each (CW, then AM), Insert adds the
# broadcast to the stations.
#
#   scripts/schedule-demo.sh [OUTPUT-DIR]     (default build-run/schedule-demo)
#
# Leaves OUTPUT-DIR/schedule.png (both windows), OUTPUT-DIR/sim.log (the simulator's log),
# OUTPUT-DIR/zorivan.INI (the profile written at the exit) and OUTPUT-DIR/stations.tts.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/demo-common.sh

demo_build
demo_prepare_output "${1:-$demo_build_dir/schedule-demo}"
demo_start_sim "$out" --band
demo_write_profile "$out"
cp examples/sked-sample.csv "$out/sked-sample.csv"
printf '[Schedule]\nFile=%s\n' "$out/sked-sample.csv" >>"$out/zorivan.INI"
# Room for the schedule window below the main window.
export DEMO_SCREEN=1024x1000x24
demo_start_x
demo_start_app

# Types into the schedule window's filter (Alt+F), selecting what was there, then Enter moves
# into the list and Enter tunes its first row.
find_and_tune() {
    demo_key alt+f ctrl+a
    xdotool type --delay 120 "$1"
    sleep 0.5
    demo_key Return Return
    sleep 2
}

# Xvfb has no window manager to place the windows: the main window goes to the top left, the
# schedule window below it.
main=$(xdotool search --name "^ *ZORIVAN  Ten-Tec" | head -n 1)
xdotool windowmove --sync "$main" 0 0
eval "$(xdotool getwindowgeometry --shell "$main")"
main_width=$WIDTH
main_height=$HEIGHT
echo "schedule-demo: b opens the schedule window"
demo_key b
demo_wait_window "ZORIVAN  Schedule"
schedule=$(xdotool search --name "ZORIVAN  Schedule" | head -n 1)
xdotool windowmove --sync "$schedule" 0 "$((main_height + 4))"
sleep 1
echo "schedule-demo: \"coast\", Enter, Enter tunes the Morse station in CW"
find_and_tune coast
grep -q "tune 8473000 Hz CW" "$out/sim.log" ||
    { echo "schedule-demo: the Morse station was not tuned in CW" >&2; exit 1; }
echo "schedule-demo: \"espa\", Enter, Enter tunes the broadcast in AM; Insert adds it"
find_and_tune espa
grep -q "tune 9580000 Hz AM" "$out/sim.log" ||
    { echo "schedule-demo: the broadcast was not tuned in AM" >&2; exit 1; }
demo_key Insert
echo "schedule-demo: the filter emptied again lists everything on air now"
demo_key alt+f ctrl+a BackSpace
sleep 2
eval "$(xdotool getwindowgeometry --shell "$schedule")"
width=$((WIDTH > main_width ? WIDTH : main_width))
height=$((Y + HEIGHT))
import -window root -crop "${width}x${height}+0+0" +repage "$out/schedule.png"
demo_key Escape
sleep 1
# Xvfb has no window manager to draw the title bar; say what the title is.
echo "Main window title: \"$(demo_main_title)\""
demo_exit_app
grep -n "^\[Schedule\]" -A1 "$out/zorivan.INI"
grep -n "Radio Exterior" "$out/stations.tts" ||
    { echo "schedule-demo: the broadcast was not added to the stations" >&2; exit 1; }
echo "Screenshot: $out/schedule.png   log: $out/sim.log"
