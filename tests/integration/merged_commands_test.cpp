// Merging waiting commands must never change where the receiver ends up: random user actions,
// run once through a queue that is drained at random moments (so setters merge) and once with
// every command sent as it comes, must leave the simulated receiver in the same state.

#include <gtest/gtest.h>

#include <memory>
#include <random>

#include "command_framer.h"
#include "controller/receiver_controller.h"
#include "signal_source.h"
#include "simulated_receiver.h"
#include "support/controller_test_access.h"
#include "support/fake_host.h"
#include "support/scripted_serial_device.h"
#include "support/stepped_link_runner.h"
#include "support/virtual_clock.h"

namespace {

const ScriptedSerialDevice::Bytes kVersionQuery{'?', 0x0D};

// A controller on a scripted receiver that answers the version query, started and active.
struct Rig {
    Rig() {
        device.AnswerTo(kVersionQuery, {'V', 'E', 'R', ' ', '1', '0', '3', 0x0D});
        ControllerTestAccess::Settings(controller).DisplaySignalStrength = 0;
    }
    void Start() {
        controller.Start();
        clock.RunPending();
    }

    ScriptedSerialDevice device;
    VirtualTimerHost clock;
    FakeHost host;
    CReceiverController controller{device, clock, clock, host};
};

// What the receiver holds after taking every command the device was given, queries included.
ReceiverState Decoded(const ScriptedSerialDevice& device) {
    SignalSource signal;
    signal.UseFixedLevel(40);
    std::mt19937 random(1);
    SimulatedReceiver receiver({}, signal, random);
    CommandFramer framer;
    for (const auto& write : device.writes) {
        for (std::uint8_t byte : write) framer.Push(byte, 0);
    }
    ReceivedFrame frame;
    while (framer.Next(false, frame)) {
        EXPECT_FALSE(frame.garbage) << "the link sent bytes the receiver cannot take";
        receiver.Handle(frame);
    }
    return receiver.State();
}

// One random user action on the controller.
void Act(CReceiverController& controller, int action, int value) {
    switch (action) {
        case 0:
            controller.SetFrequency(100000 + value * 997);
            break;
        case 1:
            controller.Step(value % 2 == 0 ? 1 : -1);
            break;
        case 2:
            controller.SetMode(value % 4);
            break;
        case 3:
            controller.SetFilter(value % 34);
            break;
        case 4:
            controller.SetAgc(1 + value % 3);
            break;
        case 5:
            controller.SetVolumeLevel(value % 64);
            break;
        case 6:
            controller.SetVolumeOn(value % 2);
            break;
        case 7:
            controller.SetLineLevel(value % 64);
            break;
        case 8:
            controller.SetPassbandShift(value % 2001 - 1000);
            break;
        case 9:
            controller.SetPassbandShiftOn(value % 2);
            break;
        default:
            controller.SetTuningStepSize(value % 8);
            break;
    }
}

TEST(MergedCommandsTest, LeaveTheReceiverWhereEveryCommandSentOneByOneWould) {
    std::mt19937 random(20261209);
    for (int run = 0; run < 200; ++run) {
        Rig merged;
        Rig unmerged;
        auto stepped =
            std::make_unique<SteppedLinkRunner>(ControllerTestAccess::Link(merged.controller));
        SteppedLinkRunner& queue = *stepped;
        ControllerTestAccess::AsyncLink(merged.controller).SetRunner(std::move(stepped));
        merged.Start();
        queue.RunAll();
        unmerged.Start();
        ASSERT_EQ(merged.controller.HardwareActive(), 1);

        std::size_t mostWaiting = 0;
        const int actions = 1 + static_cast<int>(random() % 40);
        for (int i = 0; i < actions; ++i) {
            const int action = static_cast<int>(random() % 11);
            const int value = static_cast<int>(random() % 100000);
            Act(merged.controller, action, value);
            Act(unmerged.controller, action, value);
            // The line is slow: most actions find earlier commands still waiting.
            if (random() % 4 == 0) queue.RunNext();
            mostWaiting = std::max(mostWaiting, queue.Waiting());
        }
        queue.RunAll();

        const ReceiverState got = Decoded(merged.device);
        const ReceiverState want = Decoded(unmerged.device);
        SCOPED_TRACE("run " + std::to_string(run) + ", " + std::to_string(actions) + " actions");
        EXPECT_EQ(got.mode, want.mode);
        EXPECT_EQ(got.agc, want.agc);
        EXPECT_EQ(got.filterCode, want.filterCode);
        EXPECT_EQ(got.volume, want.volume);
        EXPECT_EQ(got.lineLevel, want.lineLevel);
        EXPECT_EQ(got.tuningBytes, want.tuningBytes);
        EXPECT_LE(merged.device.writes.size(), unmerged.device.writes.size());
        if (HasFailure()) return;
        EXPECT_LE(mostWaiting, 9u) << "a setter kind was queued twice";
    }
}

}  // namespace
