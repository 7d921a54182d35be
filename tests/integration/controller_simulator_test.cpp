// The controller over a real pseudo-terminal against the receiver simulator: the termios device,
// the link and the controller together. Timers run on the virtual clock; the serial time-outs are
// real, so every wait for an outcome is a bounded number of timer periods, never a timing check.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "base/minimum_frequency.h"
#include "controller/receiver_controller.h"
#include "platform/posix/posix_serial_device.h"
#include "support/controller_test_access.h"
#include "support/fake_host.h"
#include "support/recording_main_view.h"
#include "support/sim_process.h"
#include "support/virtual_clock.h"

namespace {

using Meter = RecordingMainView::Meter;

// Upper bound on alive checks to wait through when a busy machine makes a reply miss its
// time-out; one answered check is all a test needs.
constexpr int kAliveChecksToWaitFor = 10;
constexpr int kLogWaitMs = 10000;

// The hex bytes of a simulator log line, without its time stamp and meaning.
std::string CommandBytes(const std::string& line) {
    const std::size_t start = line.find(' ') + 1;
    const std::size_t end = line.find(" 0D", start);
    return end == std::string::npos ? line.substr(start) : line.substr(start, end + 3 - start);
}

// The commands (not queries) among log lines from index `from` on, as their hex bytes.
std::vector<std::string> SettersFrom(const std::vector<std::string>& lines, std::size_t from) {
    std::vector<std::string> setters;
    for (std::size_t i = from; i < lines.size(); ++i) {
        const std::string bytes = CommandBytes(lines[i]);
        if (bytes != "3F 0D" && bytes != "58 0D") setters.push_back(bytes);
    }
    return setters;
}

std::string Letters(const std::vector<std::string>& setters) {
    std::string letters;
    for (const std::string& bytes : setters) {
        letters += static_cast<char>(std::stoi(bytes.substr(0, 2), nullptr, 16));
    }
    return letters;
}

class ControllerSimulatorTest : public testing::Test {
  protected:
    void SetUp() override {
        MinimumFrequency = kDefaultMinimumFrequency;
        ASSERT_TRUE(sim.Started());
        controller.SetMainView(&view);
        ControllerTestAccess::Settings(controller).ComPort = 1;
        ControllerTestAccess::Settings(controller).Ports.SetPath(1, sim.DevicePath());
    }

    // Lets alive checks run until the receiver is found answering (bounded).
    void WaitUntilActive() {
        for (int i = 0; i < kAliveChecksToWaitFor && controller.HardwareActive() != 1; ++i) {
            clock.Advance(kAlivePeriodMs);
        }
        ASSERT_EQ(controller.HardwareActive(), 1);
    }

    // The setters the simulator logged from line `from` on, once at least `count` are there.
    std::vector<std::string> LoggedSetters(std::size_t from, std::size_t count) {
        for (int waited = 0; waited < kLogWaitMs; waited += 100) {
            const std::vector<std::string> setters = SettersFrom(sim.CommandLines(), from);
            if (setters.size() >= count) return setters;
            sim.WaitForCommandLines(sim.CommandLines().size() + 1, 100);
        }
        return SettersFrom(sim.CommandLines(), from);
    }

    // Without the line's byte time: a pseudo-terminal takes a whole re-send at once, so at line
    // pace the next query would wait behind it and time out, which a real port does not do.
    SimProcess sim{BuiltSimulatorPath(), {"--no-line-delay", "--signal", "57", "--seed", "7"}};
    PosixSerialDevice device;
    VirtualTimerHost clock;
    FakeHost host;
    RecordingMainView view;
    CReceiverController controller{device, clock, clock, host};
};

TEST_F(ControllerSimulatorTest, SendsTheWholeStateLosesAndRegainsTheReceiver) {
    ControllerTestAccess::Settings(controller).VolumeLevel = 40;
    ControllerTestAccess::Settings(controller).LineLevel = 20;
    controller.Start();
    clock.RunPending();
    WaitUntilActive();
    EXPECT_EQ(view.Title(), kTitleActive);

    const std::vector<std::string> first = LoggedSetters(0, 11);
    ASSERT_GE(first.size(), 11u);
    EXPECT_EQ(Letters(first).substr(0, 11), "MNGWNNNNNVA");
    EXPECT_EQ(first[0], "4D 30 0D");                 // AM
    EXPECT_EQ(first[2], "47 32 0D");                 // AGC medium
    EXPECT_EQ(first[3], "57 04 0D");                 // 4800 Hz filter
    EXPECT_EQ(first[8], "4E 4F CD 1A A9 00 00 0D");  // 6,075,000 Hz AM
    EXPECT_EQ(first[9], "56 00 17 0D");              // volume 40
    EXPECT_EQ(first[10], "41 00 2B 0D");             // line 20

    // Readings reach the meter.
    clock.Advance(4 * kSignalPeriodMs);
    ASSERT_FALSE(view.meter.empty());
    EXPECT_GT(view.meter.back().currentDb, 0);

    // The receiver goes silent: one poll switches the title, the meter is blanked once.
    ASSERT_TRUE(sim.Control("silent"));
    ASSERT_EQ(controller.HardwareActive(), 1);
    const std::size_t redrawsBefore = view.meter.size();
    clock.Advance(kSignalPeriodMs);
    EXPECT_EQ(view.Title(), kTitleNotActive);
    clock.Advance(kAlivePeriodMs);
    const std::vector<Meter> sinceSilent(view.meter.begin() + static_cast<long>(redrawsBefore),
                                         view.meter.end());
    int blanks = 0;
    for (const Meter& redraw : sinceSilent) blanks += redraw == Meter{0, 0} ? 1 : 0;
    EXPECT_EQ(blanks, 1);

    // It answers again: the next alive check finds it and the whole state goes out again.
    ASSERT_TRUE(sim.Control("normal"));
    const std::size_t logBefore = sim.CommandLines().size();
    WaitUntilActive();
    EXPECT_EQ(view.Title(), kTitleActive);
    const std::vector<std::string> again = LoggedSetters(logBefore, 11);
    ASSERT_GE(again.size(), 11u);
    EXPECT_EQ(Letters(again).substr(0, 11), "MNGWNNNNNVA");
    EXPECT_EQ(again[9], "56 00 17 0D");
    EXPECT_EQ(again[10], "41 00 2B 0D");

    controller.Stop(1);
    const std::vector<std::string> last = LoggedSetters(logBefore, again.size() + 2);
    ASSERT_GE(last.size(), 2u);
    EXPECT_EQ(last[last.size() - 2], "56 00 3F 0D");  // volume 0
    EXPECT_EQ(last.back(), "41 00 3F 0D");            // line 0
}

}  // namespace
