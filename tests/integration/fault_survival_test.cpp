// The controller over the real termios device against a receiver that misbehaves: silent, slow
// and short replies, garbled bytes, a power cycle and the device vanishing. The program keeps
// running, the title says whether the receiver answers, and the receiver gets the whole state
// back once it does again. Timers run on the virtual clock; every wait is a bounded number of
// ticks or log lines, never a timing check.

#include <gtest/gtest.h>

#include <cstddef>
#include <functional>
#include <string>
#include <vector>

#include "base/minimum_frequency.h"
#include "controller/receiver_controller.h"
#include "platform/posix/posix_serial_device.h"
#include "support/controller_test_access.h"
#include "support/fake_host.h"
#include "support/recording_main_view.h"
#include "support/row_name.h"
#include "support/sim_process.h"
#include "support/temp_dir.h"
#include "support/virtual_clock.h"

namespace {

// Upper bound on signal ticks to wait through for a change of state. Generous: a power cycle
// needs real seconds to pass, and each failed alive check takes one read time-out of them.
constexpr int kMostTicks = 1500;
constexpr int kLogWaitMs = 10000;

// The simulator's log meanings of the state the tests keep: 7,100,000 Hz USB with a 2400 Hz
// filter, volume 40, line level 20; and the frequency the user tunes to while the receiver is away.
constexpr const char* kRetunedState = "tune 9500000 Hz USB filter 2400 Hz";
constexpr const char* kVolume = "volume 40";
constexpr const char* kLine = "line 20";

std::vector<std::string> SimulatorArgs(const std::string& linkPath) {
    return {"--no-line-delay", "--signal", "57", "--seed", "7", "--link", linkPath};
}

class FaultSurvivalTest : public testing::Test {
  protected:
    void SetUp() override {
        MinimumFrequency = kDefaultMinimumFrequency;
        ASSERT_TRUE(sim.Started());
        controller.SetMainView(&view);
        ProfileSettings& settings = ControllerTestAccess::Settings(controller);
        // The program knows the receiver by the stable name, as by a udev link to an adapter.
        settings.ComPort = 1;
        settings.Ports.SetPath(1, linkPath);
        settings.Frequency = 7100000;
        settings.Mode = 1;
        settings.Filter = 18;
        settings.VolumeLevel = 40;
        settings.LineLevel = 20;
    }

    void TearDown() override { controller.SetMainView(nullptr); }

    // Runs signal ticks (and with them every alive check) until the condition holds; bounded.
    bool TickUntil(const std::function<bool()>& condition) {
        for (int tick = 0; tick < kMostTicks && !condition(); ++tick) {
            clock.Advance(kSignalPeriodMs);
        }
        return condition();
    }

    bool TickUntilActive(int active) {
        return TickUntil([&] { return controller.HardwareActive() == active; });
    }

    void StartActive() {
        controller.Start();
        clock.RunPending();
        ASSERT_TRUE(TickUntilActive(1));
        ASSERT_EQ(view.Title(), kTitleActive);
    }

    // True once the log, from line `from` on, holds a line with each of texts (bounded wait).
    static bool LoggedFrom(const SimProcess& simulator, std::size_t from,
                           const std::vector<std::string>& texts) {
        for (int waited = 0; waited <= kLogWaitMs; waited += 100) {
            const std::vector<std::string> lines = simulator.LogLines();
            bool all = true;
            for (const std::string& text : texts) {
                bool found = false;
                for (std::size_t i = from; i < lines.size() && !found; ++i) {
                    found = lines[i].find(text) != std::string::npos;
                }
                all = all && found;
            }
            if (all) return true;
            simulator.WaitForLogLines(lines.size() + 1, 100);
        }
        return false;
    }

    // Index of the first log line at or after `from` holding text; the line count when none.
    static std::size_t LogIndexOf(const SimProcess& simulator, const std::string& text,
                                  std::size_t from = 0) {
        const std::vector<std::string> lines = simulator.LogLines();
        for (std::size_t i = from; i < lines.size(); ++i) {
            if (lines[i].find(text) != std::string::npos) return i;
        }
        return lines.size();
    }

    TempDir dir;
    const std::string linkPath = dir.File("rx320");
    SimProcess sim{BuiltSimulatorPath(), SimulatorArgs(linkPath)};
    PosixSerialDevice device;
    VirtualTimerHost clock;
    FakeHost host;
    RecordingMainView view;
    CReceiverController controller{device, clock, clock, host};
};

struct FaultCase {
    const char* name;
    const char* fault;  // control line that starts it
    const char* cure;   // control line that ends it; empty when it ends by itself
    const char* event;  // log text of the moment the receiver is back; empty: the cure itself
};

class ReplyFaultTest : public FaultSurvivalTest, public testing::WithParamInterface<FaultCase> {};

TEST_P(ReplyFaultTest, TitleFollowsTheReceiverAndTheStateGoesBackOnRecovery) {
    const FaultCase& row = GetParam();
    StartActive();

    ASSERT_TRUE(sim.Control(row.fault));
    ASSERT_TRUE(TickUntilActive(0)) << "the fault went unnoticed";
    EXPECT_EQ(view.Title(), kTitleNotActive);

    // Meanwhile the user tunes elsewhere and the program carries on: its clock keeps running.
    EXPECT_EQ(controller.SetFrequency(9500000), 0);
    const std::size_t clockShown = view.utcTimes.size();
    clock.Advance(kClockPeriodMs);
    EXPECT_GT(view.utcTimes.size(), clockShown);

    std::size_t back = 0;
    if (*row.cure != '\0') {
        back = sim.LogLines().size();
        ASSERT_TRUE(sim.Control(row.cure));
    }
    ASSERT_TRUE(TickUntilActive(1)) << "never recovered";
    EXPECT_EQ(view.Title(), kTitleActive);
    if (*row.event != '\0') {
        back = LogIndexOf(sim, row.event);
        ASSERT_LT(back, sim.LogLines().size()) << "no \"" << row.event << "\" in the log";
    }
    // The receiver has the whole state again, with what the user changed while it was away.
    EXPECT_TRUE(LoggedFrom(sim, back, {"mode USB", "agc medium", kRetunedState, kVolume, kLine}));
}

INSTANTIATE_TEST_SUITE_P(
    Faults, ReplyFaultTest,
    testing::Values(FaultCase{"Silent", "silent", "normal", ""},
                    FaultCase{"ShortReplies", "short", "normal", ""},
                    // Four times the read time-out: every reply comes too late.
                    FaultCase{"SlowReplies", "slow 1000", "normal", ""},
                    FaultCase{"PowerCycle", "power-cycle 1", "", "power on"}),
    RowName());

TEST_F(FaultSurvivalTest, GarbledReadingsStayOnTheMeterScaleAndComeRightAfterwards) {
    StartActive();
    clock.Advance(5 * kSignalPeriodMs);
    ASSERT_FALSE(view.meter.empty());
    const int clean = view.meter.back().currentDb;
    ASSERT_GT(clean, 0);

    ASSERT_TRUE(sim.Control("garbled"));
    view.meter.clear();
    clock.Advance(20 * kSignalPeriodMs);
    // The reply's value bytes are all the protocol has: garbled ones are readings like any other.
    ASSERT_FALSE(view.meter.empty());
    for (const RecordingMainView::Meter& reading : view.meter) {
        EXPECT_GE(reading.currentDb, 0);
        EXPECT_LE(reading.currentDb, 96);
        EXPECT_GE(reading.averageDb, 0);
        EXPECT_LE(reading.averageDb, 96);
    }

    ASSERT_TRUE(sim.Control("normal"));
    ASSERT_TRUE(TickUntil([&] {
        // Five clean readings in a row fill the average again.
        const std::size_t n = view.meter.size();
        if (controller.HardwareActive() != 1 || n < 5) return false;
        for (std::size_t i = n - 5; i < n; ++i) {
            if (view.meter[i].currentDb != clean) return false;
        }
        return view.meter.back().averageDb == clean;
    }));
    EXPECT_EQ(view.Title(), kTitleActive);
}

TEST_F(FaultSurvivalTest, VanishedDeviceLeavesTheProgramRunningAndSayingSo) {
    StartActive();
    ASSERT_TRUE(sim.Control("vanish"));
    ASSERT_TRUE(sim.WaitForExit(kLogWaitMs));

    ASSERT_TRUE(TickUntilActive(0));
    EXPECT_EQ(view.Title(), kTitleNotActive);
    EXPECT_TRUE(device.DeviceGone());
    // Commands fail quietly, the timers go on, and the title stays as it is.
    EXPECT_NE(controller.SetFrequency(9500000), 0);
    EXPECT_EQ(ControllerTestAccess::Settings(controller).Frequency, 9500000);
    const std::size_t titles = view.titles.size();
    clock.Advance(3 * kAlivePeriodMs);
    EXPECT_EQ(view.titles.size(), titles);
    EXPECT_EQ(controller.HardwareActive(), 0);
}

// A USB adapter pulled and plugged back in comes back under the same name: the alive check opens
// the port again and the receiver gets the whole state, without a restart of the program.
TEST_F(FaultSurvivalTest, RepluggedDeviceIsOpenedAgainAndGetsTheState) {
    StartActive();
    ASSERT_TRUE(sim.Control("vanish"));
    ASSERT_TRUE(sim.WaitForExit(kLogWaitMs));
    ASSERT_TRUE(TickUntilActive(0));
    EXPECT_EQ(controller.SetFrequency(9500000), 3);

    SimProcess replugged(BuiltSimulatorPath(), SimulatorArgs(linkPath));
    ASSERT_TRUE(replugged.Started());
    ASSERT_TRUE(TickUntilActive(1)) << "the port was not opened again";
    EXPECT_EQ(view.Title(), kTitleActive);
    EXPECT_TRUE(LoggedFrom(replugged, 0, {"mode USB", kRetunedState, kVolume, kLine}));
    EXPECT_FALSE(device.DeviceGone());
}

}  // namespace
