// CPU time the program spends building and handing over receiver commands, against the time the
// same bytes occupy the 1200-baud line. "cpu/line" is CPU seconds per second of line time,
// measured over the whole run: far below 1 means the line, not the program, sets the pace.

#include <benchmark/benchmark.h>
#include <time.h>

#include "base/minimum_frequency.h"
#include "controller/receiver_controller.h"
#include "line_time.h"
#include "link/receiver_link.h"
#include "link/tuning_command.h"
#include "null_serial_device.h"
#include "support/controller_test_access.h"
#include "support/fake_host.h"
#include "support/virtual_clock.h"

namespace {

double ProcessCpuSeconds() {
    timespec now{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) * 1e-9;
}

// Taken around the timed loop: CPU seconds per line second of the bytes written in it.
class LineRatio {
  public:
    LineRatio() : cpuAtStart_(ProcessCpuSeconds()) {}
    void Report(benchmark::State& state, std::uint64_t bytes) const {
        const double cpuSeconds = ProcessCpuSeconds() - cpuAtStart_;
        state.counters["bytes/op"] =
            benchmark::Counter(static_cast<double>(bytes), benchmark::Counter::kAvgIterations);
        state.counters["cpu/line"] = cpuSeconds / LineSeconds(bytes);
    }

  private:
    double cpuAtStart_;
};

void TuningCommandBytes(benchmark::State& state) {
    TuningInput input;
    input.mode = 1;
    input.filterIndex = 18;
    std::uint64_t bytes = 0;
    const LineRatio ratio;
    for (auto _ : state) {
        input.frequencyHz = 7000000 + static_cast<int>(state.iterations() % 100000);
        const auto command = EncodeTuningCommand(ComputeTuningFactors(input));
        benchmark::DoNotOptimize(command);
        bytes += command.size();
    }
    ratio.Report(state, bytes);
}
BENCHMARK(TuningCommandBytes);

void LinkSetFrequency(benchmark::State& state) {
    MinimumFrequency = kDefaultMinimumFrequency;
    NullSerialDevice device;
    ComPortMap ports;
    CReceiverLink link(device, ports);
    link.Connect(1);
    link.SetMode(1);
    device.bytesWritten = 0;
    int frequencyHz = 7000000;
    const LineRatio ratio;
    for (auto _ : state) {
        benchmark::DoNotOptimize(link.SetFrequency(frequencyHz));
        frequencyHz = frequencyHz < 8000000 ? frequencyHz + 5 : 7000000;
    }
    ratio.Report(state, device.bytesWritten);
}
BENCHMARK(LinkSetFrequency);

// The controller on a connected null device, byte count from zero.
struct ConnectedController {
    ConnectedController() {
        MinimumFrequency = kDefaultMinimumFrequency;
        ControllerTestAccess::Link(controller).Connect(1);
        device.bytesWritten = 0;
    }

    NullSerialDevice device;
    VirtualTimerHost clock;
    FakeHost host;
    CReceiverController controller{device, clock, clock, host};
};

// The whole state, as every (re)connection sends it: mode, AGC, filter, shift, CW, correction,
// frequency, volume, line level.
void ControllerApplyAllToReceiver(benchmark::State& state) {
    ConnectedController program;
    const LineRatio ratio;
    for (auto _ : state) {
        benchmark::DoNotOptimize(program.controller.ApplyAllToReceiver());
    }
    ratio.Report(state, program.device.bytesWritten);
}
BENCHMARK(ControllerApplyAllToReceiver);

// One step of the tuning knob as the user turns it: controller, link and the stored settings,
// 1 Hz at a time up and down between 7 and 8 MHz.
void ControllerStep(benchmark::State& state) {
    ConnectedController program;
    ProfileSettings& settings = ControllerTestAccess::Settings(program.controller);
    settings.TuningStepSize = 0;
    settings.Frequency = 7000000;
    int direction = 1;
    const LineRatio ratio;
    for (auto _ : state) {
        program.controller.Step(direction);
        if (settings.Frequency >= 8000000) direction = -1;
        if (settings.Frequency <= 7000000) direction = 1;
    }
    ratio.Report(state, program.device.bytesWritten);
}
BENCHMARK(ControllerStep);

}  // namespace

BENCHMARK_MAIN();
