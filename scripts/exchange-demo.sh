#!/usr/bin/env bash
# The copy-data exchange end to end: ZORIVAN runs headless under Xvfb against the simulated RX-320,
# and tools/zelka-standin plays ZELKA on the same bus.
#   1. the stand-in asks ZORIVAN to tune a station that is not in the list (value 2003, format 3):
#      the receiver is tuned (the simulator's log shows the tune command) and the station is
#      added to the list (screenshot, and the station file saved at the exit);
#   2. a stand-in taking part as "  ZELKA" listens while the key k is pressed in ZORIVAN: it
#      receives value 10001 with the frequency ZORIVAN is tuned to.
#
#   scripts/exchange-demo.sh [OUTPUT-DIR]     (default build-run/exchange-demo)
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/demo-common.sh

demo_build
demo_prepare_output "${1:-$demo_build_dir/exchange-demo}"
standin=$demo_build_dir/tools/zelka-standin/zelka-standin
# A bus of its own, so programs running elsewhere on this desktop do not take part.
bus=$out/bus
mkdir -m 700 "$bus"
export XDG_RUNTIME_DIR=$bus
frequency=11780000

demo_start_sim "$out" --band
demo_write_profile "$out"
demo_start_x
demo_start_app

echo "== windows on the bus"
"$standin" list
echo
echo "== ZELKA stand-in: station $frequency, format 3"
"$standin" station "$frequency" --texts "Radio Demo" "Demoland" "English" "from the stand-in" \
    --format 3
sleep 3
import -window root "$out/after-station.png"
echo
echo "== tune commands the receiver got after the message"
grep " tune $frequency " "$out/sim.log" | head -n 3 ||
    { echo "exchange-demo: the receiver was not tuned" >&2; exit 1; }
echo
echo "== \"  ZELKA\" listening while k is pressed in ZORIVAN"
timeout 20 "$standin" --title "  ZELKA" listen --count 1 >"$out/listen.txt" &
listener=$!
sleep 1
demo_key k
wait "$listener" || true
cat "$out/listen.txt"
grep -q "received value 10001 .*frequency $frequency Hz" "$out/listen.txt" ||
    { echo "exchange-demo: ZELKA did not get the frequency" >&2; exit 1; }
echo
echo "== exit (the list changed, so it is saved)"
demo_exit_app
grep -n "Radio Demo" "$out/stations.tts" || { echo "exchange-demo: the station was not saved" >&2; exit 1; }
echo "Log: $out/sim.log   screenshot: $out/after-station.png"
