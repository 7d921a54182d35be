#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "controller/controller_fixture.h"
#include "support/controller_test_access.h"

namespace {

TEST_F(ControllerSignalTest, SquelchOpensMutesAndOpensOnlyOnChanges) {
    StartWithSquelch(30);
    const std::vector<Bytes> open{LineCommand(20), VolumeCommand(40)};
    const std::vector<Bytes> mute{LineCommand(0), VolumeCommand(0)};

    EXPECT_EQ(Tick(35), open);  // an open after "not engaged" sends the levels once
    EXPECT_EQ(LastLamp(), 0);
    EXPECT_EQ(Tick(29), mute);
    EXPECT_EQ(LastLamp(), 1);
    EXPECT_TRUE(Tick(29).empty());
    EXPECT_EQ(LastLamp(), 1);
    EXPECT_EQ(Tick(30), open);  // equal to the level opens
    EXPECT_EQ(LastLamp(), 0);
    EXPECT_EQ(view.lampStates, (std::vector<int>{0, 1, 0}));
    // The user's levels are never changed by the squelch.
    EXPECT_EQ(ControllerTestAccess::Settings(controller).VolumeLevel, 40);
    EXPECT_EQ(ControllerTestAccess::Settings(controller).LineLevel, 20);
}

TEST_F(ControllerSignalTest, SquelchOpensOnlyTheOutputsThatAreSwitchedOn) {
    ControllerTestAccess::Settings(controller).LineOn = 0;
    StartWithSquelch(30);
    Tick(20);
    EXPECT_EQ(Tick(40), std::vector<Bytes>{VolumeCommand(40)});
}

TEST_F(ControllerSignalTest, SquelchAtLevelZeroNeverMutes) {
    StartWithSquelch(0);
    std::vector<Bytes> sent;
    for (int reading : {0, 6, 0, 96, 0}) {
        for (const Bytes& command : Tick(reading)) sent.push_back(command);
    }
    EXPECT_EQ(sent, (std::vector<Bytes>{LineCommand(20), VolumeCommand(40)}));
    EXPECT_EQ(view.lampStates, std::vector<int>{0});
}

TEST_F(ControllerSignalTest, SwitchingTheSquelchOffGivesTheAudioBackOnceAndLeavesTheLamp) {
    StartWithSquelch(30);
    Tick(20);
    ASSERT_EQ(controller.SquelchState(), 1);

    controller.SetUseSquelch(0);
    EXPECT_EQ(Tick(20), (std::vector<Bytes>{LineCommand(20), VolumeCommand(40)}));
    EXPECT_TRUE(Tick(20).empty());
    EXPECT_EQ(controller.SquelchState(), -1);
    EXPECT_EQ(view.lampStates, std::vector<int>{1});
}

TEST_F(ControllerSignalTest, SquelchCannotBeSwitchedOnWhileTheSignalIsNotPolled) {
    ControllerTestAccess::Settings(controller).DisplaySignalStrength = 0;
    StartActive();

    controller.SetUseSquelch(1);

    EXPECT_EQ(ControllerTestAccess::Settings(controller).UseSquelchLevel, 0);
    EXPECT_EQ(view.calls, std::vector<std::string>{"ShowSquelchOn(0)"});
}

TEST_F(ControllerSignalTest, SquelchSwitchIsStoredWhileTheSignalIsPolled) {
    StartActive();
    controller.SetUseSquelch(1);
    EXPECT_EQ(ControllerTestAccess::Settings(controller).UseSquelchLevel, 1);
    controller.SetUseSquelch(0);
    EXPECT_EQ(ControllerTestAccess::Settings(controller).UseSquelchLevel, 0);
    EXPECT_TRUE(view.calls.empty());
}

TEST_F(ControllerSignalTest, VolumeMovedWhileMutedGoesOutAtOnceAndTheSquelchMutesOnlyAfterAnOpen) {
    StartWithSquelch(30);
    Tick(20);

    controller.SetVolumeLevel(50);
    EXPECT_EQ(device.writes.back(), VolumeCommand(50));
    EXPECT_TRUE(Tick(20).empty());
    Tick(40);
    EXPECT_EQ(Tick(20), (std::vector<Bytes>{LineCommand(0), VolumeCommand(0)}));
}

// A receiver switched off and on again gets its audio back with the full re-send; a signal still
// below the level must then mute it again rather than leave it open until the next open.
TEST_F(ControllerSignalTest, AfterRecoveryASignalBelowTheLevelMutesAgain) {
    StartWithSquelch(30);
    Tick(20);
    ASSERT_EQ(controller.SquelchState(), 1);
    GoSilent();
    clock.Advance(400);
    AnswerVersion();
    SetSignalDb(20);
    device.ClearRecords();
    clock.Advance(3000 - clock.NowMs() % 3000);
    ASSERT_EQ(controller.HardwareActive(), 1);
    const std::vector<Bytes> afterRecovery = Commands();
    ASSERT_GE(afterRecovery.size(), 13u);
    EXPECT_EQ(afterRecovery[9], VolumeCommand(40));
    EXPECT_EQ(afterRecovery[10], LineCommand(20));
    EXPECT_EQ(afterRecovery[11], LineCommand(0));
    EXPECT_EQ(afterRecovery[12], VolumeCommand(0));
    EXPECT_EQ(controller.SquelchState(), 1);
}

}  // namespace
