#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "controller/controller_fixture.h"
#include "support/controller_test_access.h"
#include "support/row_name.h"
#include "support/stepped_link_runner.h"

namespace {

using Meter = RecordingMainView::Meter;

TEST_F(ControllerSignalTest, MeterShowsEachReadingWithTheAverageOfTheLastFive) {
    StartActive();
    // 12 dB, not 10: the receiver's scale has no 10 dB step (raw 3 is 9 dB, raw 4 is 12 dB).
    // The averages come out as for 10 all the same: 12/5 truncates to 2.
    for (int reading : {12, 20, 30, 40, 50, 60}) Tick(reading);
    const std::vector<Meter> expected{{12, 2}, {20, 6}, {30, 12}, {40, 20}, {50, 30}, {60, 40}};
    EXPECT_EQ(view.meter, expected);
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

TEST_F(ControllerSignalTest, APollHeldBackByABusyLineGoesOutAsSoonAsTheLateAnswerIsIn) {
    StartActive();
    auto stepped = std::make_unique<SteppedLinkRunner>(ControllerTestAccess::Link(controller));
    SteppedLinkRunner& line = *stepped;
    ControllerTestAccess::AsyncLink(controller).SetRunner(std::move(stepped));

    clock.Advance(kSignalPeriodMs);
    clock.Advance(kSignalPeriodMs);  // the first answer is not in yet: no second query queued
    EXPECT_EQ(line.Waiting(), 1u);
    ASSERT_TRUE(line.RunNext());
    EXPECT_EQ(line.Waiting(), 1u) << "the held-back poll was dropped";
    line.RunAll();
    EXPECT_EQ(QueriesOf(kSignalQuery), 2);
    EXPECT_EQ(view.meter.size(), 2u);
}
