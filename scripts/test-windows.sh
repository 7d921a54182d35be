#!/usr/bin/env bash
# The Windows build's checks, under Wine:
#   1. the core's test executables, cross-built with mingw-w64, run by CTest with Wine as the
#      emulator;
#   2. zorivan.exe under Wine + Xvfb with COM1 mapped to the simulated RX-320's pseudo-terminal:
#      a frequency typed as one-key commands, a tune request sent as WM_COPYDATA by the Windows
#      ZELKA stand-in, a mode key, and the exit sequence; the simulator's log must show the exact
#      bytes of each, the window title must say the receiver answers, and the profile written at
#      the exit must hold the last state.
# Installs what it needs from Debian first (apt-get; as root, or through sudo).
#
#   scripts/test-windows.sh [OUTPUT-DIR]     (default build-win/wine-check)
#
# Leaves OUTPUT-DIR/sim.log, OUTPUT-DIR/main-window.png and OUTPUT-DIR/zorivan.INI.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/install-packages.sh wine wine64 xvfb xauth xdotool imagemagick fonts-liberation
bash scripts/build-windows.sh
win_build=${ZORIVAN_WIN_BUILD_DIR:-build-win}

# The simulator is a Linux program on a pseudo-terminal: the one scripts/test.sh built when it
# is there, else a build of it alone.
source scripts/demo-common.sh
demo_build_dir=${ZORIVAN_TEST_BUILD_DIR:-build-test}
if [ ! -x "$demo_build_dir/tools/rx320-sim/rx320-sim" ]; then
    demo_build_dir=build-win-tools
    launcher=()
    command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
    cmake -S . -B "$demo_build_dir" -G Ninja -DCMAKE_BUILD_TYPE=Release -DZORIVAN_BUILD_QT=OFF \
          -DZORIVAN_BUILD_TESTS=OFF "${launcher[@]}" >/dev/null
    cmake --build "$demo_build_dir" -j "$(nproc)" --target rx320-sim
fi
demo_prepare_output "${1:-$win_build/wine-check}"

export WINEPREFIX=$PWD/$win_build/wine-prefix WINEDEBUG=-all WINEDLLOVERRIDES="mscoree=;mshtml="
wine_cleanup() {
    demo_cleanup
    wineserver -k >/dev/null 2>&1 || true
}
trap wine_cleanup EXIT
fail() {
    echo "test-windows: FAILED: $*" >&2
    [ -n "${DISPLAY:-}" ] && import -window root "$out/failure.png" 2>/dev/null &&
        echo "test-windows: the screen is in $out/failure.png" >&2
    exit 1
}

# The X server first: Wine's desktop process, started by the first Wine command, stays on the
# display it found then (on none, every window would be invisible).
demo_start_x
echo "test-windows: preparing the Wine prefix"
wineboot -i >/dev/null 2>&1
wineserver -w
# Without a window manager Wine would wait 2 s at every window hide and draw no caption.
wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1

echo "test-windows: the core's tests under Wine"
ctest_log=$out/ctest.log
if ! ctest --test-dir "$win_build" --output-on-failure -V >"$ctest_log" 2>&1; then
    grep -E "^[0-9]+: \[  FAILED  \]|tests? failed|Failed" "$ctest_log" >&2 || true
    fail "core tests under Wine (see $ctest_log)"
fi
# GoogleTest's own counts, summed over the executables ("3: [  PASSED  ] 26 tests.").
count_cases() {
    sed -n -E "s/^[0-9]+: \[  $1 *\] ([0-9]+) tests?.*/\1/p" "$ctest_log" | awk '{s += $1} END {print s + 0}'
}
cases=$(count_cases PASSED)
skipped=$(count_cases SKIPPED)
grep -E 'tests passed' "$ctest_log"
echo "test-windows: $cases test cases passed under Wine, $skipped skipped (POSIX-only conditions)"

echo "test-windows: the program under Wine against the simulated RX-320"
demo_start_sim "$out"
# Wine rewrites its COM links at every start; the registry mapping stays. The other ports lead
# nowhere, so that no host serial port is taken for COM1..COM4 by chance.
wine reg add 'HKLM\Software\Wine\Ports' /v COM1 /d "$demo_device" /f >/dev/null 2>&1
for port in COM2 COM3 COM4; do
    wine reg add 'HKLM\Software\Wine\Ports' /v "$port" /d "" /f >/dev/null 2>&1
done
wineserver -k >/dev/null 2>&1 || true
wineserver -w

cp examples/stations.tts "$out/stations.tts"
printf '[Configuration]\r\nComPort=1\r\n[RadioSettings]\r\nStationFile=%s\r\n' \
    "$(winepath -w "$out/stations.tts" 2>/dev/null)" >"$out/zorivan.INI"
ZORIVAN_PROFILE=$(winepath -w "$out/zorivan.INI" 2>/dev/null)
export ZORIVAN_PROFILE
wine "$win_build/src/platform/win32/zorivan.exe" >"$out/zorivan.out" 2>&1 &
demo_app_pid=$!

active_title="  ZORIVAN  Ten-Tec RX-320 Control Program"
window=
title=
for _ in $(seq 1 150); do
    window=$(xdotool search --name '^  ZORIVAN  ' 2>/dev/null | head -n 1 || true)
    [ -n "$window" ] && title=$(xdotool getwindowname "$window" 2>/dev/null || true)
    [ "$title" = "$active_title" ] && break
    sleep 0.1
done
echo "test-windows: main window title \"$title\""
[ "$title" = "$active_title" ] || fail "the title does not say that the receiver answers"

gui_checks=1  # the title

# Waits until the simulator's log has a line with these bytes and what they mean.
expect_line() {
    for _ in $(seq 1 50); do
        if grep -q -F -- "$1" "$out/sim.log"; then
            echo "  sim.log: $(grep -F -- "$1" "$out/sim.log" | tail -n 1)"
            gui_checks=$((gui_checks + 1))
            return 0
        fi
        sleep 0.1
    done
    fail "the simulator's log has no line \"$1\""
}
keys() {
    local key
    for key in "$@"; do
        xdotool key --window "$window" "$key"
        sleep 0.3
    done
}

echo "test-windows: digits and z typed as one-key commands: 7300 kHz"
keys 7 3 0 0 z
expect_line "4E 51 B7 1A A9 00 00 0D tune 7300000 Hz AM filter 4800 Hz"

echo "test-windows: WM_COPYDATA from the ZELKA stand-in: tune 9580 kHz"
wine "$win_build/tools/zelka-standin/zelka-standin.exe" tune 9580000 | tr -d '\r'
expect_line "4E 55 47 1A A9 00 00 0D tune 9580000 Hz AM filter 4800 Hz"

echo "test-windows: M, the next mode: USB"
keys M
expect_line "4D 31 0D mode USB"
expect_line "4E 55 48 1C CB 71 0A 0D tune 9580000 Hz USB filter 4800 Hz"

sleep 1
geometry=$(xdotool getwindowgeometry --shell "$window")
eval "$geometry"
import -window root -crop "${WIDTH}x${HEIGHT}+${X}+${Y}" +repage "$out/main-window.png"

echo "test-windows: Escape, and Yes to the mute question"
keys Escape
# The question is a message box captioned with the program's name; Return answers its default,
# Yes. Wine may still be replacing the box's X window when it is first found: try again.
for _ in $(seq 1 100); do
    kill -0 "$demo_app_pid" 2>/dev/null || break
    box=$(xdotool search --name '^ZORIVAN$' 2>/dev/null | head -n 1 || true)
    [ -n "$box" ] && xdotool key --window "$box" Return 2>/dev/null || true
    sleep 0.2
done
kill -0 "$demo_app_pid" 2>/dev/null && fail "the program did not end through its exit sequence"
wait "$demo_app_pid" || fail "the program ended with an error"
demo_app_pid=
expect_line "56 00 3F 0D volume 0"
expect_line "41 00 3F 0D line 0"
grep -q '^Frequency=9580000' "$out/zorivan.INI" && grep -q '^Mode=1' "$out/zorivan.INI" ||
    fail "the profile written at the exit does not hold 9580 kHz USB"
echo "test-windows: the profile holds Frequency=9580000 and Mode=1"
gui_checks=$((gui_checks + 1))
echo "wine: $((cases + gui_checks)) passed, 0 failed"
