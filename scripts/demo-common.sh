# Shared by the demo scripts (sourced, not run): builds the program, the simulated RX-320 and the
# ZELKA stand-in, and runs the program headless under Xvfb against the simulator with a private
# profile and a copy of the example station file. Everything is cleaned up on exit.
#
#   demo_build                 set-up and RelWithDebInfo build in build-run (as scripts/run.sh)
#   demo_prepare_output DIR    empties DIR (made if missing); sets out to its absolute path
#   demo_start_sim DIR ARGS..  simulator with its log in DIR/sim.log; sets demo_device
#   demo_write_profile DIR     profile on the simulator and DIR/stations.tts; exports it
#   demo_start_x               private X server (no window manager), DEMO_SCREEN (default
#                              1024x600x24) big; exports DISPLAY
#   demo_start_app             the program; waits for its main window
#   demo_wait_window NAME      waits until a window whose title contains NAME is there
#   demo_main_title            prints the main window's title
#   demo_key KEY...            xdotool key with a short pause after each key
#   demo_exit_app              Escape, "Mute RX-320 on Exit ?" answered Yes, the save question
#                              (if the list changed) answered Yes; fails if the program stays
#   demo_log_summary LOG       commands per kind and the tuned frequencies of a simulator log

demo_build_dir=build-run
demo_sim_pid=
demo_x_pid=
demo_app_pid=
demo_device=

demo_cleanup() {
    [ -n "$demo_app_pid" ] && kill "$demo_app_pid" 2>/dev/null
    [ -n "$demo_sim_pid" ] && kill "$demo_sim_pid" 2>/dev/null && wait "$demo_sim_pid" 2>/dev/null
    [ -n "$demo_x_pid" ] && kill "$demo_x_pid" 2>/dev/null
    return 0
}
trap demo_cleanup EXIT

demo_build() {
    bash scripts/setup.sh
    cmake -S . -B "$demo_build_dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
        -DZORIVAN_BUILD_TESTS=OFF >/dev/null
    cmake --build "$demo_build_dir" -j "$(nproc)" --target zorivan rx320-sim zelka-standin
}

demo_prepare_output() {
    rm -rf "$1" && mkdir -p "$1"
    out=$(cd "$1" && pwd)
}

demo_start_sim() {
    local dir=$1
    shift
    coproc DEMO_SIM { exec "$demo_build_dir/tools/rx320-sim/rx320-sim" --log "$dir/sim.log" "$@"; }
    demo_sim_pid=$DEMO_SIM_PID
    local word
    read -r word demo_device <&"${DEMO_SIM[0]}"
    if [ "$word" != DEVICE ]; then
        echo "demo: the simulator did not start" >&2
        return 1
    fi
}

demo_write_profile() {
    local dir=$1
    cp examples/stations.tts "$dir/stations.tts"
    cat >"$dir/zorivan.INI" <<INI
[Configuration]
ComPort=1
[Ports]
COM1=$demo_device
[RadioSettings]
StationFile=$dir/stations.tts
INI
    export ZORIVAN_PROFILE=$dir/zorivan.INI
}

demo_start_x() {
    local displayfd display
    exec {displayfd}<> <(:)
    Xvfb -displayfd "$displayfd" -screen 0 "${DEMO_SCREEN:-1024x600x24}" -nolisten tcp >/dev/null 2>&1 &
    demo_x_pid=$!
    read -r -t 10 display <&"$displayfd" || { echo "demo: Xvfb did not start" >&2; return 1; }
    export DISPLAY=:$display
}

demo_wait_window() {
    for _ in $(seq 1 100); do
        xdotool search --name "$1" >/dev/null 2>&1 && return 0
        sleep 0.1
    done
    echo "demo: no window \"$1\" appeared" >&2
    return 1
}

# The main window's title: two blanks, "ZORIVAN", then more (Qt's own helper windows also carry
# the program's name, in lower case).
demo_main_title() {
    local id
    for id in $(xdotool search --name "^ *ZORIVAN"); do
        xdotool getwindowname "$id"
        return 0
    done
}

demo_start_app() {
    "$demo_build_dir/src/platform/qt/zorivan" &
    demo_app_pid=$!
    demo_wait_window ZORIVAN
    sleep 2
}

demo_key() {
    local key
    for key in "$@"; do
        xdotool key "$key"
        sleep "${DEMO_KEY_PAUSE:-0.4}"
    done
}

demo_app_running() {
    kill -0 "$demo_app_pid" 2>/dev/null
}

demo_exit_app() {
    demo_key Escape Return
    # The save question comes only when the station list was changed.
    sleep 1
    demo_app_running && demo_key Return
    for _ in $(seq 1 100); do
        demo_app_running || break
        sleep 0.1
    done
    if demo_app_running; then
        echo "demo: the program did not end through its exit sequence" >&2
        return 1
    fi
    wait "$demo_app_pid"
    demo_app_pid=
}

# A log line is: seconds, the command's bytes in hex, then what they mean ("tune 9580000 Hz AM
# filter 4800 Hz", "signal query 64.1 dB -> ..."); "--" after the time marks an event.
demo_log_summary() {
    awk '
        $2 == "--" { next }
        {
            i = 2
            while (i <= NF && $i ~ /^[0-9A-F][0-9A-F]$/) i++
            kind = $i
            if ($(i + 1) == "query") kind = kind " query"
            count[kind]++
            if (kind == "tune" && $(i + 1) != last) {
                last = $(i + 1)
                tuned = tuned (tuned == "" ? "" : " ") last
            }
        }
        END {
            print "Commands per kind:"
            for (k in count) printf "  %-14s %d\n", k, count[k] | "sort"
            close("sort")
            print "Tuned frequencies (Hz), in order, repeats of the same one left out:"
            print "  " tuned
        }' "$1"
}
