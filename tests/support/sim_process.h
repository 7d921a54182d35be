#pragma once

#include <sys/types.h>

#include <cstdint>
#include <string>
#include <vector>

#include "support/temp_dir.h"

// The receiver simulator (tools/rx320-sim) as a child process of a test. It runs with its log and
// control FIFO in a temporary directory of its own; the test talks to DevicePath() like a
// program to its serial port and watches the log. The destructor stops the simulator and reaps
// it, so no test leaves a process behind.
//
// Typical use:
//     SimProcess sim(BuiltSimulatorPath(), {"--no-line-delay", "--signal", "57"});
//     ASSERT_TRUE(sim.Started());
//     ... open sim.DevicePath(), write "?" CR ...
//     ASSERT_TRUE(sim.WaitForCommandLines(1, 5000));
class SimProcess {
  public:
    // Starts the simulator with args (plus --log and --control) and waits for its
    // "DEVICE <path>" line. Started() tells whether that worked.
    SimProcess(const std::string& simulatorPath, const std::vector<std::string>& args);
    ~SimProcess();
    SimProcess(const SimProcess&) = delete;
    SimProcess& operator=(const SimProcess&) = delete;

    bool Started() const { return !devicePath_.empty(); }
    const std::string& DevicePath() const { return devicePath_; }
    std::string LogPath() const { return dir_.File("sim.log"); }

    // Complete lines of the log so far: commands and events ("12.345 -- power on").
    std::vector<std::string> LogLines() const;
    // Only the lines of received commands.
    std::vector<std::string> CommandLines() const;
    // Bounded waits for synchronisation with the simulator (not timing checks): true once the
    // log holds at least count lines, or count command lines.
    bool WaitForLogLines(std::size_t count, int timeoutMs) const;
    bool WaitForCommandLines(std::size_t count, int timeoutMs) const;
    // The occurrence-th log line (counting from 1) containing text, waiting for it; empty when
    // it did not appear in time.
    std::string WaitForLogLine(const std::string& text, int timeoutMs,
                               std::size_t occurrence = 1) const;
    // How many log lines contain text so far.
    std::size_t CountLogLines(const std::string& text) const;

    // Sends one control line ("silent", "slow 300") and waits until the simulator has taken it;
    // false when it rejected the line or did not answer.
    bool Control(const std::string& line) const;

    // Bytes as the log writes them: "4E 51 68".
    static std::string LogHex(const std::vector<std::uint8_t>& bytes);

    // True while the simulator process is alive.
    bool Running();
    // Waits (bounded) for the simulator to end on its own, as it does when it vanishes; true once
    // it has.
    bool WaitForExit(int timeoutMs);
    // SIGTERM, then a bounded wait (SIGKILL as the last resort), then reaping. Returns the exit
    // status, or -1 when it did not exit normally (killed, crashed). Safe to call twice.
    int Stop();

  private:
    void Reap(int waitStatus);

    TempDir dir_;
    pid_t pid_ = -1;
    int stdoutFd_ = -1;
    int exitStatus_ = -1;
    std::string devicePath_;
};

#ifdef ZORIVAN_SIM_PATH
// The simulator this build made; test executables are told where it is.
inline const char* BuiltSimulatorPath() {
    return ZORIVAN_SIM_PATH;
}
#endif
