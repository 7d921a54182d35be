#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

#include "controller/controller_fixture.h"
#include "support/controller_test_access.h"

namespace {

using ControllerConfigurationTest = ControllerTest;

std::array<int, 9> ConfigurationOf(const CReceiverController& controller) {
    const ReceiverConfiguration c = controller.GetConfiguration();
    return {c.comPort,         c.correctionPoint1Hz, c.correction1Hz, c.correctionPoint2Hz,
            c.correction2Hz,   c.displayMHz,         c.cwFrequencyHz, c.tuningTimeSlowMs,
            c.tuningTimeFastMs};
}

void Configure(CReceiverController& controller, const ReceiverConfiguration& configuration) {
    controller.SetConfiguration(configuration, controller.Ports());
}

TEST_F(ControllerConfigurationTest, MovingToAnotherPortMutesTheOldOneAndStartsOverOnTheNew) {
    ControllerTestAccess::Settings(controller).ComPort = 1;
    ControllerTestAccess::Settings(controller).VolumeLevel = 40;
    ControllerTestAccess::Settings(controller).LineLevel = 20;
    ControllerTestAccess::Settings(controller).Ports.SetPath(2, "/dev/ttyUSB0");
    StartActive();

    Configure(controller, {2, 6000000, -100, 20000000, 200, 1, -900, 3000, 300});

    // Muted and closed on the old port, opened on the new one; nothing sent there yet.
    EXPECT_EQ(device.writes, (std::vector<Bytes>{VolumeCommand(0), LineCommand(0)}));
    EXPECT_EQ(device.closeCalls, 1);
    EXPECT_EQ(device.openCalls, 1);
    EXPECT_EQ(device.openedPath, "/dev/ttyUSB0");
    EXPECT_EQ(controller.HardwareActive(), -1);
    EXPECT_EQ(ConfigurationOf(controller),
              (std::array<int, 9>{2, 6000000, -100, 20000000, 200, 1, -900, 3000, 300}));
    // The window is filled again, in the new display unit.
    EXPECT_EQ(view.CallsNamed("ShowFrequency"),
              std::vector<std::string>{"ShowFrequency(6075000,1)"});

    device.ClearRecords();
    clock.RunPending();

    EXPECT_EQ(view.titles, std::vector<std::string>{kTitleActive});
    const std::vector<Bytes> commands = Commands();
    ASSERT_EQ(commands.size(), 11u);
    // The user's levels come back with the whole state, and the new CW offset and correction
    // points are in the link.
    EXPECT_EQ(commands[9], VolumeCommand(40));
    EXPECT_EQ(commands[10], LineCommand(20));
    EXPECT_EQ(ControllerTestAccess::Link(controller).CwFrequency(), -900);
    EXPECT_EQ(ControllerTestAccess::Link(controller).Correction().frequency1Hz, 6000000);
    EXPECT_EQ(ControllerTestAccess::Link(controller).Correction().correction2Hz, 200);
    EXPECT_EQ(ControllerTestAccess::Settings(controller).VolumeLevel, 40);
}

TEST_F(ControllerConfigurationTest, ANewPortThatDoesNotOpenShowsTheNotActiveTitle) {
    StartActive();
    device.openError = SerialOpenError::NoSuchDevice;

    Configure(controller, {3, 5000000, 0, 15000000, 0, 0, 700, 2000, 500});
    clock.RunPending();

    EXPECT_EQ(view.titles, std::vector<std::string>{kTitleNotActive});
    EXPECT_FALSE(device.isOpen);
    // The timers run on, so a later alive check keeps trying.
    EXPECT_TRUE(clock.IsRunning(kAliveTimer));
}

TEST_F(ControllerConfigurationTest, TheNewRepeatTimesApplyToTheNextRun) {
    ControllerTestAccess::Settings(controller).TuningStepSize = 7;
    StartActive();
    Configure(controller, {1, 5000000, 0, 15000000, 0, 0, 700, 4000, 1000});
    controller.ContinuousTuning(1, 1);
    EXPECT_EQ(clock.PeriodOf(kRepeatTimer), 4000);
    controller.StopContinuousTuning();
    controller.SetFastStepping(1);
    controller.ContinuousTuning(1, 1);
    EXPECT_EQ(clock.PeriodOf(kRepeatTimer), 1000);
}

}  // namespace
