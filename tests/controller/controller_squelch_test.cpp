#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "controller/controller_fixture.h"
#include "link/row_name.h"
#include "support/controller_test_access.h"

namespace {

using Meter = RecordingMainView::Meter;

class ControllerSignalTest : public ControllerTest {
  protected:
    // One signal tick with the receiver reporting levelDb; returns the commands it sent.
    std::vector<Bytes> Tick(int levelDb) {
        SetSignalDb(levelDb);
        device.ClearRecords();
        clock.Advance(kSignalPeriodMs);
        return Commands();
    }
    void StartWithSquelch(int levelDb) {
        ControllerTestAccess::Settings(controller).UseSquelchLevel = 1;
        ControllerTestAccess::Settings(controller).SquelchLevel = levelDb;
        ControllerTestAccess::Settings(controller).VolumeLevel = 40;
        ControllerTestAccess::Settings(controller).LineLevel = 20;
        StartActive();
    }
    int LastLamp() const { return view.lampStates.empty() ? -1 : view.lampStates.back(); }
};

TEST_F(ControllerSignalTest, MeterShowsEachReadingWithTheAverageOfTheLastFive) {
    StartActive();
    // 12 dB, not 10: the receiver's scale has no 10 dB step (raw 3 is 9 dB, raw 4 is 12 dB).
    // The averages come out as for 10 all the same: 12/5 truncates to 2.
    for (int reading : {12, 20, 30, 40, 50, 60}) Tick(reading);
    const std::vector<Meter> expected{{12, 2}, {20, 6}, {30, 12}, {40, 20}, {50, 30}, {60, 40}};
    EXPECT_EQ(view.meter, expected);
}

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

TEST_F(ControllerSignalTest, SwitchingTheSignalDisplayOffReleasesTheSquelchAndBlanksTheMeterOnce) {
    StartWithSquelch(30);
    Tick(20);
    view.Clear();

    controller.SetDisplaySignalStrength(0);
    EXPECT_EQ(Tick(20), (std::vector<Bytes>{LineCommand(20), VolumeCommand(40)}));
    Tick(20);
    Tick(20);
    EXPECT_EQ(view.meter, (std::vector<Meter>{{0, 0}}));
    EXPECT_EQ(QueriesOf(kSignalQuery), 0);

    // On again: polling resumes, and a later switch-off blanks the meter once more.
    controller.SetDisplaySignalStrength(1);
    Tick(50);
    controller.SetDisplaySignalStrength(0);
    Tick(50);
    EXPECT_EQ(view.meter.back(), (Meter{0, 0}));
    EXPECT_EQ(view.meter.size(), 3u);
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

struct FailedPollRow {
    std::string name;
    int useSquelch;
    std::vector<Bytes> expected;
};

class ControllerFailedPollTest : public ControllerSignalTest,
                                 public testing::WithParamInterface<FailedPollRow> {};

// A failed poll is a 0 reading: with the squelch on it tries to mute (the commands go nowhere).
TEST_P(ControllerFailedPollTest, FailedPollFeedsZero) {
    ControllerTestAccess::Settings(controller).UseSquelchLevel = GetParam().useSquelch;
    ControllerTestAccess::Settings(controller).SquelchLevel = 10;
    StartActive();
    Tick(40);
    GoSilent();
    device.ClearRecords();
    clock.Advance(kSignalPeriodMs);
    EXPECT_EQ(Commands(), GetParam().expected);
    EXPECT_EQ(view.meter.back(), (Meter{0, 8}));
}

INSTANTIATE_TEST_SUITE_P(
    Squelch, ControllerFailedPollTest,
    testing::Values(FailedPollRow{"SquelchOn", 1, {LineCommand(0), VolumeCommand(0)}},
                    FailedPollRow{"SquelchOff", 0, {}}),
    RowName());

}  // namespace
