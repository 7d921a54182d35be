#!/usr/bin/env bash
# Network control under Xvfb against the simulated RX-320 at its 1200-baud pace: the profile
# switches the rigctld server on, hamlib's own rigctl (model 2, NET rigctl) sets and reads
# frequency, mode and passband, volume and the signal strength, and the simulator's log shows
# the bytes that reached the receiver. A screenshot is taken while a client is connected.
#
#   scripts/remote-demo.sh [OUTPUT-DIR]     (default build-run/remote-demo)
#
# Leaves OUTPUT-DIR/rigctl.txt (commands and answers), OUTPUT-DIR/sim.log and
# OUTPUT-DIR/remote.png.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/demo-common.sh

[ "${DEMO_SKIP_BUILD:-0}" = 1 ] || demo_build
demo_prepare_output "${1:-$demo_build_dir/remote-demo}"
demo_start_sim "$out"
demo_write_profile "$out"
port=${DEMO_REMOTE_PORT:-4532}
sed -i 's/^\[RadioSettings\]$/[RadioSettings]\nDisplaySignalStrength=1/' "$out/zorivan.INI"
printf '[Remote]\nEnabled=1\nAddress=127.0.0.1\nPort=%s\n' "$port" >>"$out/zorivan.INI"
demo_start_x
demo_start_app

rig() {
    echo "\$ rigctl -m 2 -r 127.0.0.1:$port $*" | tee -a "$out/rigctl.txt"
    rigctl -m 2 -r "127.0.0.1:$port" "$@" 2>&1 | tee -a "$out/rigctl.txt"
    # Time for the line: commands still waiting would merge with the next run's (only the
    # newest of each kind goes out), which is right but would hide each step in the log.
    sleep 1
}
: >"$out/rigctl.txt"
rig F 7100000 M USB 2400 f m
rig L AF 0.5 l AF l STRENGTH
rig F 9580000 M AM 6000 f m
rig l RAWSTR l AGC
sleep 1
grep -q "tune 9580000 Hz AM" "$out/sim.log" ||
    { echo "remote-demo: the receiver was not tuned to 9580 kHz AM" >&2; exit 1; }

# A client that stays connected, so the status line names it in the screenshot.
exec {client}<>/dev/tcp/127.0.0.1/"$port"
sleep 1
import -window root "$out/remote.png"
exec {client}>&-
demo_exit_app
echo "remote-demo: $out/rigctl.txt, $out/sim.log, $out/remote.png"
