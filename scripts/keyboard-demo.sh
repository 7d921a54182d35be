#!/usr/bin/env bash
# Drives ZORIVAN for about a minute from the keyboard alone (xdotool key and type, no mouse)
# under Xvfb, against the simulated RX-320 with its 1200-baud line delay, and ends through the
# program's own exit. The simulator's command log is the record of what the receiver was told.
#
#   scripts/keyboard-demo.sh [OUTPUT-DIR]     (default build-run/keyboard-demo)
#
# Leaves OUTPUT-DIR/sim.log (the simulator's log), OUTPUT-DIR/summary.txt (commands per kind and
# the tuned frequencies), OUTPUT-DIR/keys.txt (the keys in the order sent), screenshots of the
# main window during the run and OUTPUT-DIR/stations.tts as saved at the exit.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/demo-common.sh

demo_build
demo_prepare_output "${1:-$demo_build_dir/keyboard-demo}"

demo_start_sim "$out" --band
demo_write_profile "$out"
demo_start_x
demo_start_app
# Xvfb has no window manager, so no title bar: the title is printed instead.
echo "Simulated RX-320 on $demo_device; main window title: \"$(demo_main_title)\""

: >"$out/keys.txt"
step() {
    echo "# $1" >>"$out/keys.txt"
    echo "keyboard-demo: $1"
}
keys() {
    echo "$*" >>"$out/keys.txt"
    demo_key "$@"
}
typed() {
    echo "type $1" >>"$out/keys.txt"
    xdotool type --delay 150 "$1"
    sleep 0.4
}
hold() { sleep "$1"; }

step "type 9580 (kHz) and tune it with z"
typed 9580
keys z
hold 2
step "t steps down three times, T up once; s/S make the step smaller/larger"
keys t t t T
keys s s t S S S T
step "modes forward to USB (m), where the passband shift works"
keys m m m
step "AGC"
keys a A
step "filters: g/G and f/F"
keys g g G f F
step "passband shift on with Ctrl+P, shifted up and down, off again"
keys ctrl+p p p p P ctrl+p
step "modes back to AM (M)"
keys M M M
step "volume and line level, each switched off and on"
keys v v V ctrl+v ctrl+v
keys l L L ctrl+l ctrl+l
step "squelch level and Ctrl+Q"
keys q q q Q ctrl+q ctrl+q
step "Ctrl+B twice"
keys ctrl+b
hold 2
keys ctrl+b
# A change of speed ends a run, so Ctrl+Y comes between the two runs.
step "continuous tuning down with c (slow pace), Ctrl+C stops; Ctrl+Y fast; C up at the fast pace"
keys c
hold 5
keys ctrl+c ctrl+y C
hold 3
keys ctrl+c
import -window root "$out/during.png"
step "type 6075 z, then the station list: o, two rows down, x tunes the selected station"
typed 6075
keys z
hold 2
keys o Down Down x
hold 3
keys Down Down Down x
hold 3
step "n adds the current settings as a station: the editor opens, Enter accepts"
keys n
demo_wait_window "ZORIVAN  Station"
hold 1
typed "Keyboard demo"
import -window root "$out/station-editor.png"
keys Return
hold 1
step "r opens the Configuration dialog; Down picks COM 3, which says why it cannot be opened; Escape"
keys r
demo_wait_window "ZORIVAN  Configuration"
hold 1
keys Down
hold 1
import -window root "$out/configuration.png"
keys Escape
hold 1
step "F1 opens the About box (it asks the receiver for its firmware version), Enter closes it"
keys F1
demo_wait_window "About ZORIVAN"
hold 2
import -window root "$out/about.png"
xdotool search --name "About ZORIVAN" getwindowname >"$out/about-title.txt"
keys Return
hold 2
step "tune 15400 kHz, step up twice and back down onto the station"
typed 15400
keys z
hold 3
keys T T t t
hold 5
import -window root "$out/end.png"
step "exit: Escape, Enter mutes the receiver, Enter saves the changed list"
demo_exit_app

demo_log_summary "$out/sim.log" | tee "$out/summary.txt"
echo "Log: $out/sim.log   keys: $out/keys.txt   stations saved: $out/stations.tts"
echo "Screenshots: $out/during.png station-editor.png configuration.png about.png end.png"
