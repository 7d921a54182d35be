// A sweep through the real termios code over a pseudo-terminal against the simulator's station
// band: its known carriers must show as the peaks, at their frequencies.

#include <gtest/gtest.h>

#include <vector>

#include "base/minimum_frequency.h"
#include "controller/receiver_controller.h"
#include "platform/posix/posix_serial_device.h"
#include "scan/sweep.h"
#include "scan/sweep_peaks.h"
#include "station_band.h"
#include "support/controller_test_access.h"
#include "support/fake_host.h"
#include "support/sim_process.h"
#include "support/virtual_clock.h"

namespace {

constexpr int kAliveChecksToWaitFor = 10;
constexpr int kStepHz = 1000;
// Well above the simulator's noise (+/- 1.5 dB) and below its weakest carrier's rise.
constexpr int kPeakRiseDb = 15;

TEST(SweepSimulatorTest, TheBandsCarriersAreThePeaksAtTheirFrequencies) {
    MinimumFrequency = kDefaultMinimumFrequency;
    SimProcess sim{BuiltSimulatorPath(), {"--no-line-delay", "--band", "--seed", "3"}};
    ASSERT_TRUE(sim.Started());
    PosixSerialDevice device;
    VirtualTimerHost clock;
    FakeHost host;
    CReceiverController controller{device, clock, clock, host};
    ControllerTestAccess::Settings(controller).ComPort = 1;
    ControllerTestAccess::Settings(controller).Ports.SetPath(1, sim.DevicePath());
    controller.Start();
    clock.RunPending();
    for (int i = 0; i < kAliveChecksToWaitFor && controller.HardwareActive() != 1; ++i)
        clock.Advance(kAlivePeriodMs);
    ASSERT_EQ(controller.HardwareActive(), 1);
    const int startHz = controller.Settings().Frequency;

    CSweep sweep(controller);
    // Two carriers 1.1 MHz apart would take 1100 points; a window around each is enough.
    for (const BandStation& station : StationBand::Stations()) {
        ASSERT_EQ(sweep.Start(station.frequencyHz - 6 * kStepHz, station.frequencyHz + 6 * kStepHz,
                              kStepHz),
                  ChannelsStatus::kOk);
        for (int turn = 0; turn < 1000 && sweep.Running(); ++turn) clock.RunPending();
        ASSERT_EQ(sweep.Points().size(), 13u) << station.what;
        const std::vector<SweepPoint> peaks = SweepPeaks(sweep.Points(), kPeakRiseDb);
        ASSERT_EQ(peaks.size(), 1u) << station.what;
        EXPECT_EQ(peaks.front().frequencyHz, station.frequencyHz) << station.what;
        EXPECT_NEAR(peaks.front().levelDb, station.peakDb, 4) << station.what;
        EXPECT_EQ(controller.Settings().Frequency, startHz);
    }
    controller.Stop(0);
}

}  // namespace
