#!/usr/bin/env bash
# Sets up, builds and runs ZORIVAN against the simulated RX-320 (tools/rx320-sim) with a private
# profile and the example station file, so nothing in ~/.config is touched.
#
#   scripts/run.sh                 with a display: the program runs until you close it
#   scripts/run.sh --headless      (automatic without $DISPLAY) runs under Xvfb for a few seconds,
#                                  saves a screenshot and ends through the program's own exit
#   scripts/run.sh --seconds N     how long the headless run lasts (default 6)
#
# The simulator's command log ends up in build-run/demo/sim.log, the screenshot in
# build-run/demo/zorivan.png.
set -euo pipefail
cd "$(dirname "$0")/.."

headless=0
seconds=6
while [ $# -gt 0 ]; do
    case "$1" in
        --headless) headless=1 ;;
        --seconds) seconds=$2; shift ;;
        -h|--help) sed -n '2,13p' "$0"; exit 0 ;;
        *) echo "run.sh: unknown option $1" >&2; exit 2 ;;
    esac
    shift
done
[ -n "${DISPLAY:-}" ] || headless=1

bash scripts/setup.sh
build=build-run
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DZORIVAN_BUILD_TESTS=OFF >/dev/null
cmake --build "$build" -j "$(nproc)" --target zorivan rx320-sim zelka-standin

demo=$PWD/$build/demo
rm -rf "$demo" && mkdir -p "$demo"
cp examples/stations.tts "$demo/stations.tts"

sim_pid=
cleanup() {
    [ -n "$sim_pid" ] && kill "$sim_pid" 2>/dev/null && wait "$sim_pid" 2>/dev/null
    return 0
}
trap cleanup EXIT

coproc SIM { exec "$build/tools/rx320-sim/rx320-sim" --band --log "$demo/sim.log" --control "$demo/sim.control"; }
sim_pid=$SIM_PID
read -r word device <&"${SIM[0]}"
if [ "$word" != DEVICE ]; then
    echo "run.sh: the simulator did not start" >&2
    exit 1
fi
echo "Simulated RX-320 on $device (log: $demo/sim.log)"

cat > "$demo/zorivan.INI" <<INI
[Configuration]
ComPort=1
[Ports]
COM1=$device
[RadioSettings]
StationFile=$demo/stations.tts
INI
export ZORIVAN_PROFILE=$demo/zorivan.INI

if [ "$headless" -eq 0 ]; then
    "$build/src/platform/qt/zorivan"
    exit 0
fi

# Headless: a private X server, a screenshot, then the program's own exit: Escape asks
# "Mute RX-320 on Exit ?" and Enter answers with the default button.
exec {displayfd}<> <(:)
Xvfb -displayfd "$displayfd" -screen 0 1024x600x24 -nolisten tcp >/dev/null 2>&1 &
xvfb_pid=$!
read -r -t 10 display <&"$displayfd" || { echo "run.sh: Xvfb did not start" >&2; exit 1; }
export DISPLAY=:$display
trap 'cleanup; kill $xvfb_pid 2>/dev/null' EXIT

"$build/src/platform/qt/zorivan" &
app_pid=$!
for _ in $(seq 1 100); do
    xdotool search --name "ZORIVAN" >/dev/null 2>&1 && break
    sleep 0.1
done
sleep "$seconds"
import -window root "$demo/zorivan.png"
# Xvfb has no window manager to draw the title bar; say what the title is.
echo "Window title: \"$(xdotool search --name "Ten-Tec RX-320" getwindowname 2>/dev/null | head -n 1)\""
xdotool key Escape
sleep 1
xdotool key Return
for _ in $(seq 1 100); do
    kill -0 "$app_pid" 2>/dev/null || break
    sleep 0.1
done
if kill -0 "$app_pid" 2>/dev/null; then
    echo "run.sh: the program did not end through its exit sequence" >&2
    kill "$app_pid"
    exit 1
fi
wait "$app_pid"
echo "Screenshot: $demo/zorivan.png"
echo "The program ended through its exit sequence; profile written to $demo/zorivan.INI"
echo "Commands the receiver got: $(grep -c . "$demo/sim.log"); the first ones:"
head -n 14 "$demo/sim.log"
