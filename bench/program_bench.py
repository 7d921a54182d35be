#!/usr/bin/env python3
"""The real zorivan program under a virtual X display, against the receiver simulator at its
1200-baud line pace, with a private profile (ZORIVAN_PROFILE):

- start-up to the first painted window: from the moment the process is started to Qt's first
  flush of the whole main window to the display, which Qt reports on its "qt.widgets.painting"
  logging category with a CLOCK_MONOTONIC time stamp ("%{time boot}"); the same clock as
  Python's time.monotonic() taken just before the start. Cross-checked in separate runs by
  polling the X server (xdotool) until the window is mapped and viewable; and measured again
  with COM1 leading to no device, where the first alive check fails at once.
- a run of SECONDS: CPU time over wall time and resident memory, from /proc/<pid>/stat and
  /proc/<pid>/status, and what reached the simulator meanwhile.

Usage: program_bench.py --zorivan PATH --simulator PATH [--seconds 60] [--startup-runs 5]
"""

import argparse
import os
import re
import select
import shutil
import signal
import statistics
import subprocess
import sys
import tempfile
import time

CLOCK_TICKS = os.sysconf("SC_CLK_TCK")
FIRST_FLUSH = re.compile(r"^\s*(\d+\.\d+) Flushing QRegion\(0,0 \d+x\d+\) of MainWindow")


def start_display():
    """Xvfb on a display number it picks itself; returns (process, ':N')."""
    read_end, write_end = os.pipe()
    xvfb = subprocess.Popen(
        ["Xvfb", "-displayfd", str(write_end), "-screen", "0", "1280x1024x24", "-nolisten", "tcp"],
        pass_fds=(write_end,), stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    os.close(write_end)
    number = b""
    while not number.endswith(b"\n"):
        chunk = os.read(read_end, 16)
        if not chunk:
            raise RuntimeError("Xvfb did not start")
        number += chunk
    os.close(read_end)
    return xvfb, ":" + number.decode().strip()


def start_simulator(simulator, log_path):
    sim = subprocess.Popen([simulator, "--signal", "57", "--seed", "1", "--log", log_path],
                           stdout=subprocess.PIPE, stderr=subprocess.DEVNULL, text=True)
    first = sim.stdout.readline().split()
    if len(first) != 2 or first[0] != "DEVICE":
        raise RuntimeError("the simulator did not name its device")
    return sim, first[1]


def program_environment(workdir, display, device):
    profile = os.path.join(workdir, "profile.INI")
    with open(profile, "w") as f:
        f.write("[Configuration]\nComPort=1\n\n[Ports]\nCOM1=%s\n" % device)
    runtime = os.path.join(workdir, "runtime")
    os.makedirs(runtime, mode=0o700, exist_ok=True)
    env = dict(os.environ)
    env.update({"DISPLAY": display, "QT_QPA_PLATFORM": "xcb", "ZORIVAN_PROFILE": profile,
                "XDG_RUNTIME_DIR": runtime, "XDG_CONFIG_HOME": os.path.join(workdir, "config")})
    for name in ("QT_LOGGING_RULES", "QT_MESSAGE_PATTERN", "ZORIVAN_SCREENSHOT"):
        env.pop(name, None)
    return env


def stop(process):
    if process.poll() is None:
        process.send_signal(signal.SIGTERM)
        try:
            process.wait(timeout=10)
        except subprocess.TimeoutExpired:
            process.kill()
            process.wait()


def startup_by_first_flush(zorivan, env):
    env = dict(env)
    env["QT_LOGGING_RULES"] = "qt.widgets.painting=true"
    env["QT_MESSAGE_PATTERN"] = "%{time boot} %{message}"
    started = time.monotonic()
    program = subprocess.Popen([zorivan], env=env, stdout=subprocess.DEVNULL,
                               stderr=subprocess.PIPE, text=True)
    result = None
    deadline = started + 30
    try:
        for line in program.stderr:
            match = FIRST_FLUSH.match(line)
            if match:
                result = float(match.group(1)) - started
                break
            if time.monotonic() > deadline:
                break
    finally:
        stop(program)
    return result


def window_visible(pid, env):
    found = subprocess.run(["xdotool", "search", "--onlyvisible", "--pid", str(pid)], env=env,
                           stdout=subprocess.PIPE, stderr=subprocess.DEVNULL, text=True)
    return found.returncode == 0 and found.stdout.strip() != ""


def window_title(pid, env):
    """The title of the program's visible top-level window (the one with a title)."""
    found = subprocess.run(["xdotool", "search", "--onlyvisible", "--pid", str(pid)], env=env,
                           stdout=subprocess.PIPE, stderr=subprocess.DEVNULL, text=True)
    for window in found.stdout.split():
        name = subprocess.run(["xdotool", "getwindowname", window], env=env,
                              stdout=subprocess.PIPE, stderr=subprocess.DEVNULL,
                              text=True).stdout.strip()
        if name:
            return name
    return ""


def startup_by_mapping(zorivan, env):
    started = time.monotonic()
    program = subprocess.Popen([zorivan], env=env, stdout=subprocess.DEVNULL,
                               stderr=subprocess.DEVNULL)
    try:
        while time.monotonic() - started < 30:
            if window_visible(program.pid, env):
                return time.monotonic() - started
            time.sleep(0.01)
    finally:
        stop(program)
    return None


def cpu_seconds(pid):
    with open("/proc/%d/stat" % pid) as f:
        fields = f.read().rsplit(")", 1)[1].split()
    # utime and stime are fields 14 and 15 of the whole line; fields[0] here is field 3.
    return (int(fields[11]) + int(fields[12])) / CLOCK_TICKS


def memory_kb(pid):
    values = {}
    with open("/proc/%d/status" % pid) as f:
        for line in f:
            key, _, rest = line.partition(":")
            if key in ("VmRSS", "VmHWM"):
                values[key] = int(rest.split()[0])
    return values


def sim_log_counts(log_path):
    with open(log_path, errors="replace") as f:
        lines = f.readlines()
    return {
        "signal queries": sum(" signal query " in line for line in lines),
        "version queries": sum(" version query" in line for line in lines),
        "tuning commands": sum(" tune " in line for line in lines),
        "full state sends (mode commands)": sum(" mode " in line for line in lines),
        "backlog notes": sum("ahead of the line" in line for line in lines),
    }


def steady_run(zorivan, env, seconds, sim_pid, sim_log):
    started = time.monotonic()
    program = subprocess.Popen([zorivan], env=env, stdout=subprocess.DEVNULL,
                               stderr=subprocess.DEVNULL)
    settle = min(10.0, seconds / 6)
    samples = []
    try:
        while time.monotonic() - started < seconds:
            time.sleep(1.0)
            now = time.monotonic() - started
            samples.append((now, cpu_seconds(program.pid), memory_kb(program.pid),
                            cpu_seconds(sim_pid)))
        title = window_title(program.pid, env)
    finally:
        stop(program)
    end = samples[-1]
    after_settle = next(s for s in samples if s[0] >= settle)
    report = {
        "wall s": end[0],
        "cpu s": end[1],
        "cpu/wall whole run": end[1] / end[0],
        "cpu/wall from %.0f s on" % settle:
            (end[1] - after_settle[1]) / (end[0] - after_settle[0]),
        "VmRSS kB at end": end[2].get("VmRSS"),
        "VmHWM kB (peak)": end[2].get("VmHWM"),
        "simulator cpu/wall": end[3] / end[0],
        "window title at end": title,
    }
    report.update(sim_log_counts(sim_log))
    return report


def report_startup(what, seconds):
    print("%s, ms: %s" % (what, " ".join("%.0f" % (t * 1e3) if t is not None else "none"
                                         for t in seconds)))
    got = [t for t in seconds if t is not None]
    if got:
        print("  median %.0f ms" % (statistics.median(got) * 1e3))


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    parser.add_argument("--zorivan", required=True)
    parser.add_argument("--simulator", required=True)
    parser.add_argument("--seconds", type=float, default=60)
    parser.add_argument("--startup-runs", type=int, default=5)
    args = parser.parse_args()
    for tool in ("Xvfb", "xdotool"):
        if shutil.which(tool) is None:
            sys.exit("program_bench: %s is missing (scripts/setup.sh installs it)" % tool)

    workdir = tempfile.mkdtemp(prefix="zorivan-bench-")
    xvfb, display = start_display()
    sim_log = os.path.join(workdir, "sim.log")
    sim, device = start_simulator(args.simulator, sim_log)
    try:
        env = program_environment(workdir, display, device)
        flushes = [startup_by_first_flush(args.zorivan, env) for _ in range(args.startup_runs)]
        mappings = [startup_by_mapping(args.zorivan, env) for _ in range(args.startup_runs)]
        report_startup("startup to the first painted window (Qt's first full flush)", flushes)
        report_startup("startup to the window mapped and viewable (xdotool polled every 10 ms)",
                       mappings)
        # The same start with no receiver to answer the first alive check.
        absent = program_environment(workdir, display, os.path.join(workdir, "no-such-device"))
        report_startup("startup to the first painted window, COM1 leading nowhere",
                       [startup_by_first_flush(args.zorivan, absent)
                        for _ in range(args.startup_runs)])

        # The run measured on its own: a fresh simulator log, so the counts are this run's.
        stop(sim)
        sim, device = start_simulator(args.simulator, sim_log)
        env = program_environment(workdir, display, device)
        report = steady_run(args.zorivan, env, args.seconds, sim.pid, sim_log)
        print("running %.0f s against the simulator at 1200 baud:" % args.seconds)
        for key, value in report.items():
            print("  %s: %s" % (key, "%.4f" % value if isinstance(value, float) else value))
    finally:
        stop(sim)
        stop(xvfb)
        shutil.rmtree(workdir, ignore_errors=True)


if __name__ == "__main__":
    main()
