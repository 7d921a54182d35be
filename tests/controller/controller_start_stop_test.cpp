#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "base/control_ids.h"
#include "controller/controller_fixture.h"
#include "support/controller_test_access.h"

namespace {

// The first worked example: 6,075,000 Hz AM, filter row 28, no shift, no correction.
const Bytes kTuning6075kHzAm{0x4E, 0x4F, 0xCD, 0x1A, 0xA9, 0x00, 0x00, 0x0D};

using ControllerStartStopTest = ControllerTest;

TEST_F(ControllerStartStopTest, StartPushesTheStoredStateInOrderAndSendsNothing) {
    ProfileSettings& s = ControllerTestAccess::Settings(controller);
    s.ComPort = 2;
    s.Frequency = 7100000;
    s.DisplayMHz = 1;
    s.SteppingSpeed = 1;
    s.TuningStepSize = 3;
    s.Mode = 2;
    s.AGC = 3;
    s.Filter = 18;
    s.VolumeOn = 0;
    s.VolumeLevel = 40;
    s.LineOn = 1;
    s.LineLevel = 20;
    s.PBShiftActive = 1;
    s.PBShift = -300;
    s.DisplaySignalStrength = 1;
    s.UseSquelchLevel = 1;
    s.SquelchLevel = 30;
    s.StationFile = "/home/op/lists/shortwave.tts";
    StationNode older = kNoStation;
    StationNode newer = kNoStation;
    ASSERT_EQ(ControllerTestAccess::Stations(controller)
                  .Add(StationRecord("Older", 6000000, 0, 2, 28, 0), older),
              0);
    ASSERT_EQ(ControllerTestAccess::Stations(controller)
                  .Add(StationRecord("Newer", 9610000, 0, 2, 28, 0), newer),
              0);

    controller.Start();

    const std::vector<std::string> expected{
        "ShowFrequency(7100000,1)",
        "ShowFastStepping(1)",
        "ShowStepSize(3)",
        "ShowMode(2)",
        "ShowAgc(3)",
        "ShowFilter(18)",
        "ShowVolume(0,40)",
        "ShowLine(1,20)",
        "ShowPassbandShiftOn(1)",
        "ShowPassbandShift(-300)",
        "ShowSignalDisplayOn(1)",
        "ShowSquelchOn(1)",
        "ShowSquelchLevel(30)",
        "ShowStationFileName(\"shortwave.tts\")",
        "DeleteAllStationRows()",
        "AddStationRow(1,9610000,\"Newer\")",
        "AddStationRow(1,6000000,\"Older\")",
        "SortStationRows()",
    };
    EXPECT_EQ(view.calls, expected);
    ASSERT_EQ(view.rows.size(), 2u);
    EXPECT_EQ(view.rows[0].node, newer);
    EXPECT_EQ(view.rows[1].node, older);

    EXPECT_EQ(device.openedPath, s.Ports.PathOf(2));
    EXPECT_TRUE(device.written.empty());
    EXPECT_EQ(clock.PeriodOf(kClockTimer), 500);
    EXPECT_EQ(clock.PeriodOf(kAliveTimer), 3000);
    EXPECT_EQ(clock.PeriodOf(kSignalTimer), 200);
    // The first alive check is queued, not run: the title waits for it.
    EXPECT_EQ(clock.PendingPosts(), 1);
    EXPECT_TRUE(view.titles.empty());
    EXPECT_EQ(controller.HardwareActive(), -1);
}

TEST_F(ControllerStartStopTest, FirstAliveCheckSendsTheWholeStateWithTheAudioLast) {
    ControllerTestAccess::Settings(controller).AGC = 3;
    ControllerTestAccess::Settings(controller).VolumeOn = 0;
    ControllerTestAccess::Settings(controller).VolumeLevel = 40;
    ControllerTestAccess::Settings(controller).LineLevel = 20;
    controller.Start();

    clock.RunPending();

    ASSERT_FALSE(device.writes.empty());
    EXPECT_EQ(device.writes.front(), kVersionQuery);
    const std::vector<Bytes> expected{
        {'M', '0', 0x0D}, kTuning6075kHzAm,  // mode, and the tuning it changes
        {'G', '3', 0x0D},                    // AGC
        {'W', 4, 0x0D},   kTuning6075kHzAm,  // filter row 28 is code 4
        kTuning6075kHzAm,                    // passband shift
        kTuning6075kHzAm,                    // CW offset
        kTuning6075kHzAm,                    // correction points
        kTuning6075kHzAm,                    // frequency
        VolumeCommand(0),                    // "On" is off: the level stays stored, 0 goes out
        LineCommand(20),
    };
    EXPECT_EQ(Commands(), expected);
    EXPECT_EQ(controller.HardwareActive(), 1);
    EXPECT_EQ(view.titles, std::vector<std::string>{kTitleActive});
}

TEST_F(ControllerStartStopTest, FirstAliveCheckOfASilentReceiverShowsNotActiveAndSendsNothing) {
    GoSilent();
    controller.Start();

    clock.RunPending();

    EXPECT_TRUE(Commands().empty());
    EXPECT_EQ(controller.HardwareActive(), 0);
    EXPECT_EQ(view.titles, std::vector<std::string>{kTitleNotActive});
}

TEST_F(ControllerStartStopTest, APortThatDoesNotOpenShowsOnlyAsTheNotActiveTitle) {
    device.openError = SerialOpenError::Busy;
    controller.Start();
    EXPECT_TRUE(host.messages.empty());
    EXPECT_TRUE(view.titles.empty());

    clock.RunPending();

    EXPECT_TRUE(device.written.empty());
    EXPECT_EQ(view.Title(), kTitleNotActive);
    // The timers run all the same, so the window keeps its clock.
    clock.Advance(500);
    EXPECT_EQ(view.CallsNamed("ShowUtcTime").size(), 1u);
}

TEST_F(ControllerStartStopTest, StopWithMutingSilencesTheReceiverButKeepsTheUsersLevels) {
    ControllerTestAccess::Settings(controller).VolumeLevel = 40;
    ControllerTestAccess::Settings(controller).LineLevel = 20;
    StartActive();

    controller.Stop(1);

    EXPECT_EQ(Commands(), (std::vector<Bytes>{VolumeCommand(0), LineCommand(0)}));
    EXPECT_EQ(ControllerTestAccess::Settings(controller).VolumeLevel, 40);
    EXPECT_EQ(ControllerTestAccess::Settings(controller).LineLevel, 20);
    EXPECT_EQ(ControllerTestAccess::Settings(controller).VolumeOn, 1);
    EXPECT_EQ(ControllerTestAccess::Settings(controller).LineOn, 1);
    EXPECT_FALSE(device.isOpen);
    EXPECT_EQ(controller.HardwareActive(), -1);
    EXPECT_EQ(controller.SquelchState(), -1);
    EXPECT_FALSE(clock.IsRunning(kClockTimer));
    EXPECT_FALSE(clock.IsRunning(kAliveTimer));
    EXPECT_FALSE(clock.IsRunning(kSignalTimer));
}

TEST_F(ControllerStartStopTest, StopWithoutMutingSendsNothing) {
    StartActive();

    controller.Stop(0);

    EXPECT_TRUE(device.written.empty());
    EXPECT_FALSE(device.isOpen);
    const std::size_t ticksBefore = clock.ticks.size();
    clock.Advance(10000);
    EXPECT_EQ(clock.ticks.size(), ticksBefore);
}

TEST_F(ControllerStartStopTest, TimersTickAtTheirPeriodsAndTheClockShowsUtc) {
    clock.SetUtc(UtcTime{31, 12, 2023, 23, 59, 59});
    controller.Start();
    clock.Advance(3000);

    EXPECT_EQ(clock.TickCount(kClockTimer), 6);
    EXPECT_EQ(clock.TickCount(kSignalTimer), 15);
    // One queued at the start, one after 3 s.
    EXPECT_EQ(clock.TickCount(kAliveTimer), 2);
    ASSERT_GE(view.utcTimes.size(), 2u);
    EXPECT_EQ(view.utcTimes[0], "31.12.2023 23:59:59");
    EXPECT_EQ(view.utcTimes[1], "01.01.2024 00:00:00");
}

TEST_F(ControllerStartStopTest, DestroyedControllerNoLongerReceivesTicks) {
    VirtualTimerHost timers;
    {
        CReceiverController shortLived(device, timers, timers, host);
        shortLived.SetMainView(&view);
        shortLived.Start();
    }
    view.Clear();
    timers.Advance(1000);
    EXPECT_TRUE(view.calls.empty());
}

}  // namespace
