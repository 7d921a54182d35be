#include <gtest/gtest.h>

#include "scan/scan_fixture.h"
#include "scan/sweep_peaks.h"
#include "support/row_name.h"
#include "support/stepped_link_runner.h"

namespace {

struct RecordingSweepView : SweepView {
    void ShowSweepStarted(int lowHz, int highHz, int count) override {
        started.push_back({lowHz, highHz, count});
    }
    void ShowSweepPoint(int index, const SweepPoint& point) override {
        indices.push_back(index);
        points.push_back(point);
    }
    void ShowSweepEnded(SweepEnd how) override { ended.push_back(how); }

    std::vector<std::vector<int>> started;
    std::vector<int> indices;
    std::vector<SweepPoint> points;
    std::vector<SweepEnd> ended;
};

class SweepTest : public ScanTest {
  protected:
    SweepTest() { sweep.SetView(&sweepView); }
    CSweep sweep{controller};
    RecordingSweepView sweepView;
};

TEST_F(SweepTest, MeasuresEveryStepWithOneTuningAndOneQueryThenReturnsToTheStart) {
    levels = {{9580000, 50}, {9585000, 30}};
    ASSERT_EQ(sweep.Start(9590000, 9570000, 5000), ChannelsStatus::kOk);
    RunLoop();

    const std::vector<SweepPoint> expected{
        {9570000, 12}, {9575000, 12}, {9580000, 50}, {9585000, 30}, {9590000, 12}};
    EXPECT_EQ(sweep.Points(), expected);
    EXPECT_EQ(sweepView.points, expected);
    EXPECT_EQ(sweepView.indices, (std::vector<int>{0, 1, 2, 3, 4}));
    EXPECT_EQ(sweepView.started, (std::vector<std::vector<int>>{{9570000, 9590000, 5}}));
    EXPECT_EQ(sweepView.ended, (std::vector<SweepEnd>{SweepEnd::kCompleted}));
    EXPECT_EQ(Tuned(), (std::vector<int>{9570000, 9575000, 9580000, 9585000, 9590000, 6075000}));
    EXPECT_EQ(QueriesOf(kSignalQuery), 5);
    EXPECT_EQ(Commands().size(), 6u);
    EXPECT_FALSE(sweep.Running());
    // The measurements fed the meter like polls.
    EXPECT_EQ(view.meter.size(), 5u);
}

// Behind a queue, as on the worker: while a measurement waits, the meter's poll adds nothing.
TEST_F(SweepTest, TheMetersPollStaysOffTheLineWhileAMeasurementIsOut) {
    auto runner = std::make_unique<SteppedLinkRunner>(ControllerTestAccess::Link(controller));
    SteppedLinkRunner& line = *runner;
    ControllerTestAccess::AsyncLink(controller).SetRunner(std::move(runner));
    sweep.Start(9570000, 9590000, 5000);
    for (int point = 0; point < 5; ++point) {
        clock.Advance(kSignalPeriodMs * 3);
        EXPECT_EQ(line.Waiting(), 2u) << "tuning and measurement only, at point " << point;
        line.RunAll();
        clock.RunPending();
    }
    EXPECT_EQ(sweep.Points().size(), 5u);
    line.RunAll();
    EXPECT_EQ(QueriesOf(kSignalQuery), 5);
}

TEST_F(SweepTest, UserTuningEndsTheSweepWhereTheUserTuned) {
    auto runner = std::make_unique<SteppedLinkRunner>(ControllerTestAccess::Link(controller));
    SteppedLinkRunner& line = *runner;
    ControllerTestAccess::AsyncLink(controller).SetRunner(std::move(runner));
    sweep.Start(9570000, 9590000, 5000);
    line.RunAll();
    clock.RunPending();
    controller.SetFrequency(7100000);
    line.RunAll();
    clock.Advance(5000);
    line.RunAll();
    EXPECT_EQ(sweepView.ended, (std::vector<SweepEnd>{SweepEnd::kUserTuned}));
    EXPECT_EQ(Tuned(), (std::vector<int>{9570000, 9575000, 7100000}));
    EXPECT_EQ(controller.Settings().Frequency, 7100000);
}

TEST_F(SweepTest, ASilentReceiverEndsTheSweepAndNothingResumesWhenItAnswersAgain) {
    sweep.Start(9570000, 9590000, 5000);
    GoSilentInBand();
    RunLoop();
    EXPECT_EQ(sweepView.ended, (std::vector<SweepEnd>{SweepEnd::kReceiverSilent}));
    EXPECT_EQ(sweep.Points().size(), 1u);

    ComeBack();
    clock.Advance(kAlivePeriodMs * 2);
    EXPECT_EQ(controller.HardwareActive(), 1);
    EXPECT_FALSE(sweep.Running());
    EXPECT_EQ(sweep.Points().size(), 1u);
    EXPECT_EQ(controller.Settings().Frequency, 6075000);
}

TEST_F(SweepTest, CancelReturnsToTheStartAndAStaleTickMeasuresNothing) {
    sweep.Start(9570000, 9590000, 5000);
    sweep.Cancel();
    RunLoop();
    EXPECT_EQ(sweepView.ended, (std::vector<SweepEnd>{SweepEnd::kCancelled}));
    EXPECT_EQ(Tuned(), (std::vector<int>{9570000, 6075000}));
    EXPECT_EQ(QueriesOf(kSignalQuery), 1);
}

struct RangeRow {
    std::string name;
    int startHz, stopHz, stepHz;
    ChannelsStatus expected;
};

class SweepRangeTest : public SweepTest, public testing::WithParamInterface<RangeRow> {};

TEST_P(SweepRangeTest, RangesThatCannotBeSweptStartNothing) {
    EXPECT_EQ(sweep.Start(GetParam().startHz, GetParam().stopHz, GetParam().stepHz),
              GetParam().expected);
    EXPECT_FALSE(sweep.Running());
    EXPECT_TRUE(device.writes.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Refused, SweepRangeTest,
    testing::Values(
        RangeRow{"ZeroStep", 9000000, 9100000, 0, ChannelsStatus::kBadStep},
        RangeRow{"NegativeStep", 9000000, 9100000, -5, ChannelsStatus::kBadStep},
        RangeRow{"BelowTheMinimum", 50000, 200000, 1000, ChannelsStatus::kOutOfRange},
        RangeRow{"AboveTheMaximum", 29000000, 31000000, 1000, ChannelsStatus::kOutOfRange},
        RangeRow{"WholeRangeByOneHertz", 100000, 30000000, 1, ChannelsStatus::kTooMany}),
    RowName());

TEST(SweepPeaksTest, FindsProminentPeaksOnceEachHighestFirst) {
    const std::vector<SweepPoint> points{{1, 12}, {2, 40}, {3, 40}, {4, 20}, {5, 14},
                                         {6, 16}, {7, 12}, {8, 60}, {9, 30}};
    // 6 rises 4 dB only; the flat top 2-3 counts once.
    EXPECT_EQ(SweepPeaks(points, 10), (std::vector<SweepPoint>{{8, 60}, {2, 40}}));
    EXPECT_TRUE(SweepPeaks({}, 10).empty());
}

}  // namespace
