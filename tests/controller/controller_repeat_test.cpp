#include <gtest/gtest.h>

#include <vector>

#include "controller/controller_fixture.h"
#include "support/controller_test_access.h"

namespace {

constexpr int kPressed = -1;
constexpr int kReleased = 1;

class ControllerRepeatTest : public ControllerTest {
  protected:
    void SetUp() override {
        ControllerTest::SetUp();
        ControllerTestAccess::Settings(controller).DisplaySignalStrength =
            0;  // keeps the records to tuning
        ControllerTestAccess::Settings(controller).Frequency = 6075000;
        ControllerTestAccess::Settings(controller).TuningStepSize = 7;  // 5 kHz
        ControllerTestAccess::Settings(controller).TuningTimeSlow = 2000;
        ControllerTestAccess::Settings(controller).TuningTimeFast = 200;
        StartActive();
    }
    const std::vector<int>& Shown() const { return view.frequenciesShown; }
};

TEST_F(ControllerRepeatTest, HeldUpStepsAtOnceAfterTheDelayAndThenEveryTuningTime) {
    controller.StepButton(1, kPressed);
    EXPECT_EQ(Shown(), std::vector<int>{6080000});

    clock.Advance(499);
    EXPECT_EQ(Shown().size(), 1u);
    clock.Advance(1);
    EXPECT_EQ(Shown().back(), 6085000);

    clock.Advance(1999);
    EXPECT_EQ(Shown().size(), 2u);
    clock.Advance(1);
    EXPECT_EQ(Shown().back(), 6090000);
    clock.Advance(2000);
    EXPECT_EQ(Shown().back(), 6095000);

    controller.StepButton(1, kReleased);
    EXPECT_FALSE(clock.IsRunning(kRepeatDelayTimer));
    EXPECT_FALSE(clock.IsRunning(kRepeatTimer));
    clock.Advance(10000);
    EXPECT_EQ(Shown().size(), 4u);
    EXPECT_EQ(ControllerTestAccess::Settings(controller).Frequency, 6095000);
}

TEST_F(ControllerRepeatTest, HeldDownWithFastRepeatsAtTheFastTime) {
    controller.SetFastStepping(1);
    controller.StepButton(-1, kPressed);
    clock.Advance(500);
    EXPECT_EQ(clock.PeriodOf(kRepeatTimer), 200);
    clock.Advance(1000);
    controller.StepButton(-1, kReleased);
    // One at once, one after the delay, five in the following second.
    EXPECT_EQ(Shown().size(), 7u);
    EXPECT_EQ(ControllerTestAccess::Settings(controller).Frequency, 6075000 - 7 * 5000);
}

TEST_F(ControllerRepeatTest, PressAndReleaseWithinTheDelayGiveExactlyOneStep) {
    controller.StepButton(1, kPressed);
    clock.Advance(499);
    controller.StepButton(1, kReleased);
    clock.Advance(10000);
    EXPECT_EQ(Shown(), std::vector<int>{6080000});
}

TEST_F(ControllerRepeatTest, PressAndReleaseAtOnceAsFromKeyboardOrWheelGiveOneStep) {
    for (int i = 0; i < 3; ++i) {
        controller.StepButton(-1, kPressed);
        controller.StepButton(-1, kReleased);
    }
    clock.Advance(10000);
    EXPECT_EQ(Shown(), (std::vector<int>{6070000, 6065000, 6060000}));
}

TEST_F(ControllerRepeatTest, HeldUpStopsAtTheBandEdgeWhileTheRepeatTimerRunsOn) {
    ControllerTestAccess::Settings(controller).Frequency = 29990000;
    controller.StepButton(1, kPressed);
    EXPECT_EQ(Shown(), std::vector<int>{29995000});
    clock.Advance(500);
    EXPECT_EQ(Shown(), (std::vector<int>{29995000, 30000000}));
    device.ClearRecords();

    clock.Advance(10000);

    EXPECT_EQ(Shown().size(), 2u);
    EXPECT_TRUE(Commands().empty());
    EXPECT_TRUE(clock.IsRunning(kRepeatTimer));
    EXPECT_EQ(clock.TickCount(kRepeatTimer), 5);
}

TEST_F(ControllerRepeatTest, ContinuousTuningStepsAtOnceAndThenEveryTuningTimeUntilStopped) {
    controller.ContinuousTuning(1, 1);
    EXPECT_EQ(Shown(), std::vector<int>{6080000});
    clock.Advance(4000);
    EXPECT_EQ(Shown().size(), 3u);

    controller.ContinuousTuning(1, 0);
    clock.Advance(10000);
    EXPECT_EQ(Shown().size(), 3u);
    EXPECT_EQ(ControllerTestAccess::Settings(controller).Frequency, 6090000);
}

TEST_F(ControllerRepeatTest, FastContinuousTuningStepsFiveTimesASecond) {
    controller.SetFastStepping(1);
    controller.ContinuousTuning(-1, 1);
    view.Clear();
    clock.Advance(1000);
    EXPECT_EQ(Shown().size(), 5u);
}

TEST_F(ControllerRepeatTest, ChangingTheSpeedEndsAContinuousRunAndClearsTheButtons) {
    controller.ContinuousTuning(1, 1);
    view.Clear();

    controller.SetFastStepping(1);

    EXPECT_FALSE(clock.IsRunning(kRepeatTimer));
    EXPECT_EQ(view.continuousClears, 1);
    EXPECT_EQ(ControllerTestAccess::Settings(controller).SteppingSpeed, 1);
    clock.Advance(5000);
    EXPECT_TRUE(Shown().empty());
}

TEST_F(ControllerRepeatTest, PressingAStepButtonEndsAContinuousRun) {
    controller.ContinuousTuning(1, 1);
    controller.StepButton(-1, kPressed);
    controller.StepButton(-1, kReleased);
    clock.Advance(10000);
    EXPECT_EQ(Shown(), (std::vector<int>{6080000, 6075000}));
    EXPECT_GE(view.continuousClears, 1);
}

TEST_F(ControllerRepeatTest, StopContinuousTuningAlwaysClearsTheButtons) {
    controller.StopContinuousTuning();
    controller.StopContinuousTuning();
    EXPECT_EQ(view.continuousClears, 2);
    EXPECT_EQ(clock.killCalls[kRepeatTimer], 0);
}

TEST_F(ControllerRepeatTest, StopLeavesRepeatTuningToTheExitPath) {
    controller.ContinuousTuning(1, 1);
    controller.Stop(0);
    EXPECT_TRUE(clock.IsRunning(kRepeatTimer));
    controller.StopContinuousTuning();
    EXPECT_FALSE(clock.IsRunning(kRepeatTimer));
}

}  // namespace
