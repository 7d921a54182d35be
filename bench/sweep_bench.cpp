// A sweep as the program runs it: the controller with its link on the worker thread, the real
// serial code (PosixSerialDevice) over a pseudo-terminal against the simulator at its 1200-baud
// pace, replies handed back through an event loop. Prints sweep points per second against the
// line floor of one tuning command and one signal poll per point (8 + 2 bytes out, 4 back:
// 116.7 ms), with the meter's 200 ms poll running all along.
//
// Usage: sweep_bench [--simulator PATH] [--points N]

#include <algorithm>
#include <chrono>
#include <condition_variable>
#include <cstdio>
#include <cstdlib>
#include <deque>
#include <functional>
#include <mutex>
#include <string>

#include "base/minimum_frequency.h"
#include "controller/receiver_controller.h"
#include "line_time.h"
#include "platform/posix/posix_serial_device.h"
#include "scan/sweep.h"
#include "support/fake_host.h"
#include "support/sim_process.h"
#include "support/virtual_clock.h"

namespace {

using Clock = std::chrono::steady_clock;

constexpr int kPointBytes = 8 + 2 + 4;
constexpr int kActiveWaitMs = 10000;

// The window thread's event loop: work posted from the link's worker, and the controller's timers
// on a clock that keeps pace with real time.
class EventLoop : public FakeHost {
  public:
    void Post(std::function<void()> work) override {
        {
            std::lock_guard<std::mutex> lock(mutex_);
            queue_.push_back(std::move(work));
        }
        wake_.notify_one();
    }

    // Runs posted work and due timers until done() or timeoutMs pass.
    void RunUntil(const std::function<bool()>& done, int timeoutMs) {
        const Clock::time_point end = Clock::now() + std::chrono::milliseconds(timeoutMs);
        while (!done() && Clock::now() < end) {
            std::deque<std::function<void()>> turn;
            {
                std::unique_lock<std::mutex> lock(mutex_);
                wake_.wait_for(lock, std::chrono::milliseconds(5),
                               [this] { return !queue_.empty(); });
                turn.swap(queue_);
            }
            for (auto& work : turn) work();
            const auto elapsedMs =
                std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - start_)
                    .count();
            timers.Advance(std::max<std::int64_t>(0, elapsedMs - timers.NowMs()));
        }
    }

    VirtualTimerHost timers;

  private:
    std::mutex mutex_;
    std::condition_variable wake_;
    std::deque<std::function<void()>> queue_;
    const Clock::time_point start_ = Clock::now();
};

}  // namespace

int main(int argc, char** argv) {
    std::string simulator = ZORIVAN_SIM_PATH;
    int points = 100;
    for (int i = 1; i + 1 < argc; i += 2) {
        const std::string flag = argv[i];
        if (flag == "--simulator") simulator = argv[i + 1];
        if (flag == "--points") points = std::max(2, std::atoi(argv[i + 1]));
    }
    SimProcess sim(simulator, {"--band", "--seed", "1"});
    if (!sim.Started()) {
        std::fprintf(stderr, "sweep_bench: the simulator %s did not start\n", simulator.c_str());
        return 1;
    }
    MinimumFrequency = kDefaultMinimumFrequency;
    PosixSerialDevice device;
    EventLoop loop;
    CReceiverController controller(device, loop.timers, loop.timers, loop);
    ComPortMap ports = controller.Ports();
    ports.SetPath(1, sim.DevicePath());
    ReceiverConfiguration configuration = controller.GetConfiguration();
    configuration.comPort = 1;
    controller.RunLinkOnWorker();
    controller.SetConfiguration(configuration, ports);
    loop.RunUntil([&] { return controller.HardwareActive() == 1; }, kActiveWaitMs);
    if (controller.HardwareActive() != 1) {
        std::fprintf(stderr, "sweep_bench: the receiver did not answer\n");
        return 1;
    }
    // Let the full state sent at the first answer clear the line.
    loop.RunUntil([] { return false; }, 1500);

    CSweep sweep(controller);
    const int startHz = 9500000;
    const Clock::time_point start = Clock::now();
    sweep.Start(startHz, startHz + (points - 1) * 1000, 1000);
    loop.RunUntil([&] { return !sweep.Running(); }, points * 1000);
    const double seconds = std::chrono::duration<double>(Clock::now() - start).count();
    const int measured = static_cast<int>(sweep.Points().size());
    const double floorPerSecond = 1.0 / LineSeconds(kPointBytes);
    const double perSecond = measured / seconds;
    std::printf("sweep points=%d measured=%d seconds=%.3f\n", points, measured, seconds);
    std::printf(
        "  line floor %.1f ms per point (%.3f points/s); swept %.3f points/s -> %.3f of the "
        "floor\n",
        LineSeconds(kPointBytes) * 1e3, floorPerSecond, perSecond, perSecond / floorPerSecond);
    controller.Stop(0);
    return measured == points ? 0 : 1;
}
