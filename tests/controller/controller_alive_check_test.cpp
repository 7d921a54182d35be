#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "controller/controller_fixture.h"
#include "link/com_port_map.h"
#include "support/controller_test_access.h"

namespace {

using Meter = RecordingMainView::Meter;
using ControllerAliveTest = ControllerTest;

int CountOf(const std::vector<Meter>& redraws, const Meter& wanted) {
    int count = 0;
    for (const Meter& redraw : redraws) count += redraw == wanted ? 1 : 0;
    return count;
}

TEST_F(ControllerAliveTest, WhileTheSignalIsPolledTheAliveTimerDoesNotAsk) {
    StartActive();
    clock.Advance(6000);
    EXPECT_EQ(QueriesOf(kVersionQuery), 0);
    EXPECT_EQ(QueriesOf(kSignalQuery), 30);
}

TEST_F(ControllerAliveTest, WithTheMeterOffTheAliveTimerAsksEveryThreeSeconds) {
    ControllerTestAccess::Settings(controller).DisplaySignalStrength = 0;
    StartActive();
    clock.Advance(6000);
    EXPECT_EQ(QueriesOf(kVersionQuery), 2);
    EXPECT_EQ(QueriesOf(kSignalQuery), 0);
}

TEST_F(ControllerAliveTest,
       SilentReceiverSwitchesTheTitleWithinOneSignalPollAndBlanksTheMeterOnce) {
    StartActive();
    clock.Advance(400);
    ASSERT_EQ(view.meter.size(), 2u);
    GoSilent();

    clock.Advance(200);
    EXPECT_EQ(view.titles, std::vector<std::string>{kTitleNotActive});
    EXPECT_EQ(controller.HardwareActive(), 0);

    clock.Advance(2000);
    // The failed poll draws its 0 reading; then the meter is blanked once and left alone.
    ASSERT_EQ(view.meter.size(), 4u);
    EXPECT_EQ(view.meter[2].currentDb, 0);
    EXPECT_EQ(view.meter[3], (Meter{0, 0}));
    // Nothing is polled while the receiver is known to be silent; only the alive check asks.
    EXPECT_EQ(QueriesOf(kSignalQuery), 3);
}

TEST_F(ControllerAliveTest, SilentReceiverWithTheMeterOffIsFoundByTheNextAliveCheck) {
    ControllerTestAccess::Settings(controller).DisplaySignalStrength = 0;
    StartActive();
    GoSilent();

    clock.Advance(2999);
    EXPECT_TRUE(view.titles.empty());
    clock.Advance(1);
    EXPECT_EQ(view.titles, std::vector<std::string>{kTitleNotActive});
    // The meter was blanked once for "off"; a silent receiver does not blank it again.
    EXPECT_EQ(view.meter, (std::vector<Meter>{{0, 0}}));
}

TEST_F(ControllerAliveTest, AnsweringAgainRestoresTheTitleAndResendsEverythingWithinThreeSeconds) {
    ControllerTestAccess::Settings(controller).Mode = 3;
    ControllerTestAccess::Settings(controller).VolumeLevel = 33;
    StartActive();
    GoSilent();
    clock.Advance(200);
    ASSERT_EQ(controller.HardwareActive(), 0);
    device.ClearRecords();
    view.Clear();

    AnswerVersion();
    SetSignalDb(50);
    clock.Advance(3000);

    EXPECT_EQ(view.titles, std::vector<std::string>{kTitleActive});
    const std::vector<Bytes> commands = Commands();
    ASSERT_GE(commands.size(), 11u);
    std::string letters;
    for (std::size_t i = 0; i < 11; ++i) letters += static_cast<char>(commands[i][0]);
    EXPECT_EQ(letters, "MNGWNNNNNVA");
    EXPECT_EQ(commands[0], (Bytes{'M', '3', 0x0D}));
    EXPECT_EQ(commands[9], VolumeCommand(33));
    EXPECT_EQ(commands[10], LineCommand(16));
}

TEST_F(ControllerAliveTest, EveryRecoveryResendsTheState) {
    StartActive();
    for (int cycle = 0; cycle < 3; ++cycle) {
        GoSilent();
        clock.Advance(200);
        AnswerVersion();
        SetSignalDb(40);
        device.ClearRecords();
        clock.Advance(3000);
        EXPECT_EQ(controller.HardwareActive(), 1) << "cycle " << cycle;
        EXPECT_GE(Commands().size(), 11u) << "cycle " << cycle;
    }
    EXPECT_EQ(view.titles.size(), 6u);
}

TEST_F(ControllerAliveTest, TheMeterIsBlankedOnceAgainAfterEachNewSilence) {
    StartActive();
    clock.Advance(1000);  // readings, so that the failed poll's average is not 0 as well
    for (int cycle = 0; cycle < 2; ++cycle) {
        GoSilent();
        clock.Advance(2000);
        AnswerVersion();
        SetSignalDb(40);
        clock.Advance(3000);
    }
    EXPECT_EQ(CountOf(view.meter, Meter{0, 0}), 2);
}

// Beyond the original: a port whose device went away, or that was missing at start, is opened
// again by the alive check, so plugging the adapter in brings the receiver back without a restart.
TEST_F(ControllerAliveTest, PulledAdapterIsOpenedAgainAndGetsTheWholeState) {
    StartActive();
    device.gone = true;
    device.openError = SerialOpenError::NoSuchDevice;  // unplugged
    clock.Advance(200);
    ASSERT_EQ(controller.HardwareActive(), 0);
    clock.Advance(3000);
    EXPECT_EQ(controller.HardwareActive(), 0);
    EXPECT_EQ(device.openCalls, 1) << "the alive check should try to open the port again";

    device.openError = SerialOpenError::None;  // plugged back in
    device.ClearRecords();
    clock.Advance(3000);
    EXPECT_EQ(device.openCalls, 1);
    EXPECT_FALSE(device.gone);
    EXPECT_EQ(controller.HardwareActive(), 1);
    EXPECT_EQ(view.titles.back(), kTitleActive);
    EXPECT_GE(Commands().size(), 11u);
}

TEST_F(ControllerAliveTest, PortMissingAtStartIsTriedAgainAtEachAliveCheck) {
    device.openError = SerialOpenError::NoSuchDevice;
    controller.Start();
    clock.RunPending();
    ASSERT_EQ(controller.HardwareActive(), 0);
    clock.Advance(3000);
    EXPECT_EQ(controller.HardwareActive(), 0);
    EXPECT_GE(device.openCalls, 3);

    device.openError = SerialOpenError::None;
    clock.Advance(3000);
    EXPECT_EQ(controller.HardwareActive(), 1);
    EXPECT_EQ(device.openedPath, ComPortMap::DefaultPath(1));
}

TEST_F(ControllerAliveTest, AHealthyOpenPortIsNotOpenedAgain) {
    StartActive();
    device.AnswerTo(kVersionQuery, {});
    controller.SetDisplaySignalStrength(0);
    const int opensBefore = device.openCalls;
    clock.Advance(9000);
    EXPECT_EQ(controller.HardwareActive(), 0);
    EXPECT_EQ(device.openCalls, opensBefore);
}

}  // namespace
