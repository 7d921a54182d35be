// The real serial code (PosixSerialDevice + CReceiverLink) over a pseudo-terminal against the
// receiver simulator at its 1200-baud line pace. Prints, each measured in this one run:
// - tuning throughput as a fraction of the line limit (an 8-byte command takes 66.7 ms), by the
//   simulator's own time stamps of each command it took off the line;
// - how long one signal-strength poll blocks the program against its line-time floor (2 bytes
//   out, 4 back: 50 ms), and the same for the version query (2 out, 7 read: 75 ms);
// - a tuning command with the meter's poll right behind it, as in continuous tuning.
//
// Usage: serial_line_bench [--simulator PATH] [--commands N] [--polls N]

#include <time.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "base/minimum_frequency.h"
#include "line_time.h"
#include "link/receiver_link.h"
#include "platform/posix/posix_serial_device.h"
#include "support/sim_process.h"

namespace {

using Clock = std::chrono::steady_clock;

constexpr int kTuningBytes = 8;
constexpr int kSignalBytes = 2 + 4;
constexpr int kVersionBytes = 2 + 7;
constexpr int kLogWaitMs = 30000;

double SecondsSince(Clock::time_point start) {
    return std::chrono::duration<double>(Clock::now() - start).count();
}

double ProcessCpuSeconds() {
    timespec now{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) * 1e-9;
}

// The simulator's time stamp (seconds since it started) at the front of a log line.
double StampOf(const std::string& line) {
    return std::strtod(line.c_str(), nullptr);
}

struct Spread {
    double medianMs = 0, meanMs = 0, maxMs = 0;
};

Spread SpreadOf(std::vector<double> ms) {
    Spread spread;
    if (ms.empty()) return spread;
    std::sort(ms.begin(), ms.end());
    spread.medianMs = ms[ms.size() / 2];
    spread.maxMs = ms.back();
    for (const double value : ms) spread.meanMs += value;
    spread.meanMs /= static_cast<double>(ms.size());
    return spread;
}

void MeasureTuning(CReceiverLink& link, const SimProcess& sim, int commands) {
    const std::size_t before = sim.CountLogLines(" tune ");
    const double cpuBefore = ProcessCpuSeconds();
    const Clock::time_point start = Clock::now();
    for (int i = 0; i < commands; ++i) link.SetFrequency(7000000 + 5 * i);
    const double writingS = SecondsSince(start);
    const std::string first = sim.WaitForLogLine(" tune ", kLogWaitMs, before + 1);
    const std::string last =
        sim.WaitForLogLine(" tune ", kLogWaitMs, before + static_cast<std::size_t>(commands));
    const double endToEndS = SecondsSince(start);
    const double cpuS = ProcessCpuSeconds() - cpuBefore;
    if (first.empty() || last.empty()) {
        std::printf("tuning: the simulator did not log all %d commands\n", commands);
        return;
    }
    const double lineS = LineSeconds(static_cast<std::uint64_t>(kTuningBytes));
    // From the end of the first command to the end of the last: commands - 1 line times.
    const double takenS = StampOf(last) - StampOf(first);
    std::printf("tuning_throughput commands=%d line_limit_per_command_ms=%.1f\n", commands,
                lineS * 1e3);
    std::printf(
        "  by simulator stamps: %.3f s for %d commands after the first -> %.3f of the "
        "line limit\n",
        takenS, commands - 1, (commands - 1) * lineS / takenS);
    std::printf(
        "  end to end (first call to last command logged): %.3f s -> %.3f of the line "
        "limit\n",
        endToEndS, commands * lineS / endToEndS);
    std::printf("  program blocked in writes: %.3f s; CPU %.4f s -> cpu/line %.5f\n", writingS,
                cpuS, cpuS / (commands * lineS));
}

void MeasureQueries(CReceiverLink& link, int polls) {
    std::vector<double> signalMs, versionMs;
    int signalFailures = 0, versionFailures = 0;
    const double cpuBefore = ProcessCpuSeconds();
    for (int i = 0; i < polls; ++i) {
        int value = 0;
        Clock::time_point start = Clock::now();
        signalFailures += link.QuerySignalStrength(value) != 0 ? 1 : 0;
        signalMs.push_back(SecondsSince(start) * 1e3);
        start = Clock::now();
        versionFailures += link.QueryVersion(value) != 0 ? 1 : 0;
        versionMs.push_back(SecondsSince(start) * 1e3);
    }
    const double cpuS = ProcessCpuSeconds() - cpuBefore;
    const Spread signal = SpreadOf(signalMs);
    const Spread version = SpreadOf(versionMs);
    const double signalFloorMs = LineSeconds(kSignalBytes) * 1e3;
    const double versionFloorMs = LineSeconds(kVersionBytes) * 1e3;
    std::printf(
        "signal_poll polls=%d failed=%d floor_ms=%.1f median_ms=%.1f mean_ms=%.1f "
        "max_ms=%.1f -> median/floor %.3f\n",
        polls, signalFailures, signalFloorMs, signal.medianMs, signal.meanMs, signal.maxMs,
        signal.medianMs / signalFloorMs);
    std::printf(
        "version_query queries=%d failed=%d floor_ms=%.1f median_ms=%.1f mean_ms=%.1f "
        "max_ms=%.1f -> median/floor %.3f\n",
        polls, versionFailures, versionFloorMs, version.medianMs, version.meanMs, version.maxMs,
        version.medianMs / versionFloorMs);
    std::printf("  CPU for all queries %.4f s over %.3f s blocked -> cpu/wall %.5f\n", cpuS,
                (signal.meanMs + version.meanMs) * polls * 1e-3,
                cpuS / ((signal.meanMs + version.meanMs) * polls * 1e-3));
}

// A step of continuous tuning, then at once the meter's poll: together 8 + 2 bytes out and 4
// back, a line-time floor of 116.7 ms for the pair, the poll inside its 240 ms read time-out.
void MeasureTuneThenPoll(CReceiverLink& link, int pairs) {
    std::vector<double> pairMs;
    int failures = 0;
    for (int i = 0; i < pairs; ++i) {
        const Clock::time_point start = Clock::now();
        link.SetFrequency(7100000 + 50 * i);
        int level = 0;
        failures += link.QuerySignalStrength(level) != 0 ? 1 : 0;
        pairMs.push_back(SecondsSince(start) * 1e3);
    }
    const Spread spread = SpreadOf(pairMs);
    const double floorMs = LineSeconds(kTuningBytes + kSignalBytes) * 1e3;
    std::printf(
        "tune_then_poll pairs=%d failed_polls=%d floor_ms=%.1f median_ms=%.1f "
        "max_ms=%.1f -> median/floor %.3f\n",
        pairs, failures, floorMs, spread.medianMs, spread.maxMs, spread.medianMs / floorMs);
}

}  // namespace

int main(int argc, char** argv) {
    std::string simulator = ZORIVAN_SIM_PATH;
    int commands = 30;
    int polls = 20;
    for (int i = 1; i + 1 < argc; i += 2) {
        const std::string flag = argv[i];
        if (flag == "--simulator") simulator = argv[i + 1];
        if (flag == "--commands") commands = std::max(2, std::atoi(argv[i + 1]));
        if (flag == "--polls") polls = std::max(1, std::atoi(argv[i + 1]));
    }

    SimProcess sim(simulator, {"--signal", "57", "--seed", "1"});
    if (!sim.Started()) {
        std::fprintf(stderr, "serial_line_bench: the simulator %s did not start\n",
                     simulator.c_str());
        return 1;
    }
    MinimumFrequency = kDefaultMinimumFrequency;
    PosixSerialDevice device;
    ComPortMap ports;
    ports.SetPath(1, sim.DevicePath());
    CReceiverLink link(device, ports);
    if (link.Connect(1) != 0) {
        std::fprintf(stderr, "serial_line_bench: cannot open %s\n", sim.DevicePath().c_str());
        return 1;
    }
    int version = 0;
    link.QueryVersion(version);  // the line settles; the first reply shows the receiver is there
    std::printf("simulator %s at 1200 baud, firmware %d\n", sim.DevicePath().c_str(), version);

    MeasureTuning(link, sim, commands);
    MeasureQueries(link, polls);
    MeasureTuneThenPoll(link, polls);
    return 0;
}
