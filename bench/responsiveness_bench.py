#!/usr/bin/env python3
"""Does the window wait for the serial line? The real zorivan program under a virtual X display
against the receiver simulator at its 1200-baud pace, with a private profile:

- wheel flick: 20 notches over the frequency readout as fast as xdotool sends them; the time from
  the last notch to the final frequency's tuning command in the simulator's log, and how many
  tuning commands the flick cost on the line.
- network control: 50 "F" commands a second for 5 s from a rigctld-protocol client; the time from
  the last one to its tuning command in the log, and the meter's polls a second meanwhile.
- event-loop stalls: the program notes every time its event loop came back more than 10 ms late
  (ZORIVAN_STALL_LOG); the longest stall at start-up and in each fault the simulator can play.
- idle: CPU time over wall time for SECONDS with the signal meter on and nothing happening.

Usage: responsiveness_bench.py --zorivan PATH --simulator PATH [--seconds 60]
"""

import argparse
import os
import shutil
import socket
import subprocess
import sys
import tempfile
import time

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from program_bench import cpu_seconds, start_display, stop  # noqa: E402

FLICK_NOTCHES = 20
REMOTE_RATE = 50
REMOTE_SECONDS = 5


def start_simulator(simulator, log_path, control_path):
    sim = subprocess.Popen([simulator, "--signal", "57", "--seed", "1", "--log", log_path,
                            "--control", control_path],
                           stdout=subprocess.PIPE, stderr=subprocess.DEVNULL, text=True)
    first = sim.stdout.readline().split()
    if len(first) != 2 or first[0] != "DEVICE":
        raise RuntimeError("the simulator did not name its device")
    return sim, first[1]


def control(control_path, line):
    with open(control_path, "w") as fifo:
        fifo.write(line + "\n")


def free_port():
    with socket.socket() as s:
        s.bind(("127.0.0.1", 0))
        return s.getsockname()[1]


def write_profile(workdir, device, port):
    profile = os.path.join(workdir, "profile.INI")
    with open(profile, "w") as f:
        f.write("[Configuration]\nComPort=1\n[Ports]\nCOM1=%s\n"
                "[RadioSettings]\nFrequency=6075000\nTuningStepSize=4\nDisplaySignalStrength=1\n"
                "[Remote]\nEnabled=1\nAddress=127.0.0.1\nPort=%d\n" % (device, port))
    return profile


def log_lines(path):
    with open(path, errors="replace") as f:
        return f.readlines()


def wait_for_line(path, text, since, timeout=10.0):
    """Monotonic time at which a log line (from index since) containing text was first seen."""
    deadline = time.monotonic() + timeout
    while time.monotonic() < deadline:
        lines = log_lines(path)
        if any(text in line for line in lines[since:]):
            return time.monotonic()
        time.sleep(0.002)
    return None


def stalls(path, start_ms, end_ms):
    if not os.path.exists(path):
        return []
    found = []
    with open(path) as f:
        for line in f:
            at, late = (int(x) for x in line.split())
            if start_ms <= at <= end_ms:
                found.append(late)
    return found


def now_ms():
    return int(time.clock_gettime(time.CLOCK_MONOTONIC) * 1000)


def readout_position(env):
    window = subprocess.run(["xdotool", "search", "--name", "ZORIVAN  Ten-Tec"], env=env,
                            stdout=subprocess.PIPE, text=True).stdout.split()[0]
    geometry = subprocess.run(["xdotool", "getwindowgeometry", "--shell", window], env=env,
                              stdout=subprocess.PIPE, text=True).stdout
    values = dict(line.split("=") for line in geometry.split())
    # The readout sits at the top left, inside the Frequency group.
    return window, int(values["X"]) + 120, int(values["Y"]) + 45


def wheel_flick(env, sim_log):
    window, x, y = readout_position(env)
    subprocess.run(["xdotool", "mousemove", "--sync", str(x), str(y)], env=env)
    time.sleep(1.0)
    before = len(log_lines(sim_log))
    tunes_before = sum(" tune " in line for line in log_lines(sim_log))
    # Step 100 Hz (TuningStepSize=4), wheel up: 6,075,000 + 20 x 100.
    subprocess.run(["xdotool", "click", "--repeat", str(FLICK_NOTCHES), "--delay", "5", "4"],
                   env=env)
    last_notch = time.monotonic()
    seen = wait_for_line(sim_log, "tune %d Hz" % (6075000 + FLICK_NOTCHES * 100), before)
    time.sleep(1.0)
    tunes = sum(" tune " in line for line in log_lines(sim_log)) - tunes_before
    return (None if seen is None else seen - last_notch), tunes


def remote_flood(port, sim_log):
    with socket.create_connection(("127.0.0.1", port)) as client:
        client.settimeout(5)
        lines_before = len(log_lines(sim_log))
        started = time.monotonic()
        frequency = 7000000
        for i in range(REMOTE_RATE * REMOTE_SECONDS):
            frequency = 7000000 + i * 1000
            client.sendall(b"F %d\n" % frequency)
            due = started + (i + 1) / REMOTE_RATE
            time.sleep(max(0.0, due - time.monotonic()))
        last = time.monotonic()
        seen = wait_for_line(sim_log, "tune %d Hz" % frequency, lines_before)
        lines = log_lines(sim_log)[lines_before:]
        polls = sum(" signal query" in line for line in lines)
        tunes = sum(" tune " in line for line in lines)
        return (None if seen is None else seen - last), polls / (last - started), tunes


def ms(seconds):
    return "never (10 s)" if seconds is None else "%.0f ms" % (seconds * 1e3)


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    parser.add_argument("--zorivan", required=True)
    parser.add_argument("--simulator", required=True)
    parser.add_argument("--seconds", type=float, default=60)
    args = parser.parse_args()
    for tool in ("Xvfb", "xdotool"):
        if shutil.which(tool) is None:
            sys.exit("responsiveness_bench: %s is missing (scripts/setup.sh installs it)" % tool)

    workdir = tempfile.mkdtemp(prefix="zorivan-bench-")
    xvfb, display = start_display()
    sim_log = os.path.join(workdir, "sim.log")
    control_path = os.path.join(workdir, "control")
    stall_log = os.path.join(workdir, "stalls.log")
    sim, device = start_simulator(args.simulator, sim_log, control_path)
    port = free_port()
    env = dict(os.environ)
    runtime = os.path.join(workdir, "runtime")
    os.makedirs(runtime, mode=0o700)
    env.update({"DISPLAY": display, "QT_QPA_PLATFORM": "xcb",
                "ZORIVAN_PROFILE": write_profile(workdir, device, port),
                "ZORIVAN_STALL_LOG": stall_log, "XDG_RUNTIME_DIR": runtime,
                "XDG_CONFIG_HOME": os.path.join(workdir, "config")})
    program = None
    try:
        started_ms = now_ms()
        program = subprocess.Popen([args.zorivan], env=env, stdout=subprocess.DEVNULL,
                                   stderr=subprocess.DEVNULL)
        wait_for_line(sim_log, " tune ", 0, 30)
        time.sleep(3)
        print("start-up (first 5 s, whole state sent): longest stall %s ms"
              % max(stalls(stall_log, started_ms, now_ms()), default=0))

        flick, flick_tunes = wheel_flick(env, sim_log)
        print("wheel flick of %d notches: final frequency on the wire %s after the last "
              "notch; %d tuning commands on the line" % (FLICK_NOTCHES, ms(flick), flick_tunes))

        try:
            delay, polls, tunes = remote_flood(port, sim_log)
        except ConnectionRefusedError:
            delay = None
            print("network control: this program has none")
        if delay is not None:
            print("network control, %d F/s for %d s: final frequency on the wire %s after the "
                  "last F; %d tuning commands; meter polls %.1f/s meanwhile"
                  % (REMOTE_RATE, REMOTE_SECONDS, ms(delay), tunes, polls))

        for fault, hold in (("silent", 5), ("slow 300", 5), ("short", 5), ("garbled", 5),
                            ("power-cycle 2", 8)):
            begin = now_ms()
            control(control_path, fault)
            time.sleep(hold)
            control(control_path, "normal")
            time.sleep(5)  # recovery: the whole state is sent again
            print("fault %-14s and recovery: longest stall %s ms"
                  % (fault, max(stalls(stall_log, begin, now_ms()), default=0)))

        begin = now_ms()
        control(control_path, "vanish")
        time.sleep(8)
        print("fault vanish (adapter pulled): longest stall %s ms"
              % max(stalls(stall_log, begin, now_ms()), default=0))
        stop(program)
        stop(sim)

        # Idle in a run of its own: the stall watch's 5 ms timer would be most of the cost.
        sim, device = start_simulator(args.simulator, sim_log, control_path)
        env["ZORIVAN_PROFILE"] = write_profile(workdir, device, port)
        del env["ZORIVAN_STALL_LOG"]
        program = subprocess.Popen([args.zorivan], env=env, stdout=subprocess.DEVNULL,
                                   stderr=subprocess.DEVNULL)
        time.sleep(10)
        idle_start, idle_cpu = time.monotonic(), cpu_seconds(program.pid)
        time.sleep(args.seconds)
        share = (cpu_seconds(program.pid) - idle_cpu) / (time.monotonic() - idle_start)
        print("idle %.0f s, meter on: %.2f %% of one core" % (args.seconds, share * 100))
    finally:
        if program is not None:
            stop(program)
        stop(sim)
        stop(xvfb)
        shutil.rmtree(workdir, ignore_errors=True)


if __name__ == "__main__":
    main()
