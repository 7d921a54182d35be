#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "controller/controller_fixture.h"
#include "support/controller_test_access.h"
#include "support/row_name.h"

namespace {

bool IsTuning(const Bytes& bytes) {
    return bytes.size() == 8 && bytes.front() == 'N';
}

struct ClampRow {
    std::string name;
    int minimumHz;
    int requestedHz;
    int expectedHz;
};

class ControllerSetFrequencyTest : public ControllerTest,
                                   public testing::WithParamInterface<ClampRow> {};

TEST_P(ControllerSetFrequencyTest, ClampsToTheBandAndShowsWhatWasTuned) {
    MinimumFrequency = GetParam().minimumHz;
    StartActive();

    EXPECT_EQ(controller.SetFrequency(GetParam().requestedHz), 0);

    EXPECT_EQ(ControllerTestAccess::Settings(controller).Frequency, GetParam().expectedHz);
    EXPECT_EQ(ControllerTestAccess::Link(controller).Frequency(), GetParam().expectedHz);
    EXPECT_EQ(view.frequenciesShown, std::vector<int>{GetParam().expectedHz});
    ASSERT_EQ(Commands().size(), 1u);
    EXPECT_TRUE(IsTuning(Commands()[0]));
}

INSTANTIATE_TEST_SUITE_P(Band, ControllerSetFrequencyTest,
                         testing::Values(ClampRow{"BelowMinimum", 100000, 5000, 100000},
                                         ClampRow{"AboveTop", 100000, 31000000, 30000000},
                                         ClampRow{"NegativeInput", 100000, -7000000, 100000},
                                         ClampRow{"ExactlyTop", 100000, 30000000, 30000000},
                                         ClampRow{"InBand", 100000, 9610000, 9610000},
                                         ClampRow{"BelowLoweredMinimum", 10000, 5000, 10000},
                                         ClampRow{"AboveLoweredMinimum", 10000, 50000, 50000}),
                         RowName());

TEST_F(ControllerTest, SetFrequencyShowsTheFrequencyEvenWhenTheReceiverIsNotConnected) {
    ControllerTestAccess::Settings(controller).DisplayMHz = 1;
    EXPECT_EQ(controller.SetFrequency(7100000), 1);
    EXPECT_EQ(ControllerTestAccess::Settings(controller).Frequency, 7100000);
    EXPECT_EQ(view.calls, std::vector<std::string>{"ShowFrequency(7100000,1)"});
}

struct StepRow {
    std::string name;
    int fromHz;
    int stepIndex;
    int direction;
    int expectedHz;  // equal to fromHz: nothing happens at all
};

class ControllerStepTest : public ControllerTest, public testing::WithParamInterface<StepRow> {};

TEST_P(ControllerStepTest, StepsWithinTheBandOrNotAtAll) {
    const StepRow& row = GetParam();
    ControllerTestAccess::Settings(controller).Frequency = row.fromHz;
    ControllerTestAccess::Settings(controller).TuningStepSize = row.stepIndex;
    StartActive();

    EXPECT_EQ(controller.Step(row.direction), 0);

    EXPECT_EQ(ControllerTestAccess::Settings(controller).Frequency, row.expectedHz);
    if (row.expectedHz == row.fromHz) {
        EXPECT_TRUE(device.written.empty());
        EXPECT_TRUE(view.calls.empty());
    } else {
        EXPECT_EQ(ControllerTestAccess::Link(controller).Frequency(), row.expectedHz);
        EXPECT_EQ(view.frequenciesShown, std::vector<int>{row.expectedHz});
        ASSERT_EQ(Commands().size(), 1u);
        EXPECT_TRUE(IsTuning(Commands()[0]));
    }
}

INSTANTIATE_TEST_SUITE_P(
    Steps, ControllerStepTest,
    testing::Values(StepRow{"UpPastTheTopDoesNothing", 29999000, 7, 1, 29999000},
                    StepRow{"UpToExactlyTheTop", 29995000, 7, 1, 30000000},
                    StepRow{"UpAtTheTopDoesNothing", 30000000, 0, 1, 30000000},
                    StepRow{"DirectionZeroStepsDown", 6075000, 7, 0, 6070000},
                    StepRow{"NegativeDirectionStepsDown", 6075000, 11, -1, 5975000},
                    StepRow{"LargeDirectionIsOneStep", 6075000, 0, 7, 6075001},
                    StepRow{"DownPastTheMinimumDoesNothing", 100500, 6, -1, 100500},
                    StepRow{"DownToExactlyTheMinimum", 101000, 6, -1, 100000},
                    StepRow{"NineKilohertz", 6075000, 8, 1, 6084000},
                    StepRow{"StepIndexOutsideTheTableDoesNothing", 6075000, 12, 1, 6075000},
                    StepRow{"NegativeStepIndexDoesNothing", 6075000, -1, 1, 6075000}),
    RowName());

// Volume and line out: a level is stored as given and sent only while its "On" is checked.
struct AudioRow {
    std::string name;
    int (CReceiverController::*setOn)(int);
    int (CReceiverController::*setLevel)(int);
    int ProfileSettings::*on;
    int ProfileSettings::*level;
    Bytes (*command)(int);
};

class ControllerAudioTest : public ControllerTest, public testing::WithParamInterface<AudioRow> {};

TEST_P(ControllerAudioTest, LevelWhileOffIsStoredAndSentWhenSwitchedOn) {
    const AudioRow& row = GetParam();
    StartActive();

    EXPECT_EQ((controller.*row.setOn)(0), 0);
    EXPECT_EQ((controller.*row.setLevel)(40), 0);
    EXPECT_EQ(ControllerTestAccess::Settings(controller).*row.level, 40);
    EXPECT_EQ(ControllerTestAccess::Settings(controller).*row.on, 0);
    EXPECT_EQ((controller.*row.setOn)(1), 0);
    EXPECT_EQ((controller.*row.setLevel)(63), 0);
    EXPECT_EQ((controller.*row.setOn)(0), 0);

    const std::vector<Bytes> expected{row.command(0), row.command(0), row.command(40),
                                      row.command(63), row.command(0)};
    EXPECT_EQ(Commands(), expected);
    EXPECT_EQ(ControllerTestAccess::Settings(controller).*row.level, 63);
}

TEST_P(ControllerAudioTest, LevelOutOfRangeIsStoredButRefusedByTheReceiver) {
    const AudioRow& row = GetParam();
    StartActive();
    EXPECT_EQ((controller.*row.setLevel)(64), 2);
    EXPECT_EQ(ControllerTestAccess::Settings(controller).*row.level, 64);
    EXPECT_TRUE(device.written.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Outputs, ControllerAudioTest,
    testing::Values(AudioRow{"Volume", &CReceiverController::SetVolumeOn,
                             &CReceiverController::SetVolumeLevel, &ProfileSettings::VolumeOn,
                             &ProfileSettings::VolumeLevel, &VolumeCommand},
                    AudioRow{"LineOut", &CReceiverController::SetLineOn,
                             &CReceiverController::SetLineLevel, &ProfileSettings::LineOn,
                             &ProfileSettings::LineLevel, &LineCommand}),
    RowName());

TEST_F(ControllerTest, PassbandShiftWhileOffIsStoredAndTunedWhenSwitchedOn) {
    ControllerTestAccess::Settings(controller).Mode = 1;
    StartActive();

    controller.SetPassbandShift(-400);
    EXPECT_EQ(ControllerTestAccess::Settings(controller).PBShift, -400);
    EXPECT_EQ(ControllerTestAccess::Link(controller).PassbandShift(), 0);
    EXPECT_EQ(controller.GetTuning().passbandShiftHz, 0);

    controller.SetPassbandShiftOn(1);
    EXPECT_EQ(ControllerTestAccess::Link(controller).PassbandShift(), -400);
    EXPECT_EQ(controller.GetTuning().passbandShiftHz, -400);

    controller.SetPassbandShiftOn(0);
    EXPECT_EQ(ControllerTestAccess::Link(controller).PassbandShift(), 0);
    EXPECT_EQ(ControllerTestAccess::Settings(controller).PBShift, -400);
    // Every change retunes the receiver.
    EXPECT_EQ(Commands().size(), 3u);
}

TEST_F(ControllerTest, ModeAgcAndFilterAreStoredAndSentWithoutTouchingTheWindow) {
    StartActive();
    EXPECT_EQ(controller.SetMode(3), 0);
    EXPECT_EQ(controller.SetAgc(1), 0);
    EXPECT_EQ(controller.SetFilter(35), 0);

    const std::vector<Bytes> commands = Commands();
    ASSERT_EQ(commands.size(), 5u);
    EXPECT_EQ(commands[0], (Bytes{'M', '3', 0x0D}));
    EXPECT_TRUE(IsTuning(commands[1]));
    EXPECT_EQ(commands[2], (Bytes{'G', '1', 0x0D}));
    EXPECT_EQ(commands[3], (Bytes{'W', 33, 0x0D}));
    EXPECT_TRUE(IsTuning(commands[4]));
    EXPECT_TRUE(view.calls.empty());

    const TuningState tuning = controller.GetTuning();
    EXPECT_EQ(tuning.mode, 3);
    EXPECT_EQ(tuning.agc, 1);
    EXPECT_EQ(tuning.filterIndex, 35);
    EXPECT_EQ(tuning.frequencyHz, 6075000);
}

TEST_F(ControllerTest, RefusedValuesAreStoredAndTheReceiverResultIsPassedBack) {
    StartActive();
    EXPECT_EQ(controller.SetAgc(0), 2);
    EXPECT_EQ(ControllerTestAccess::Settings(controller).AGC, 0);
    device.writeBudget = 0;
    EXPECT_EQ(controller.SetMode(2), 3);
    EXPECT_EQ(ControllerTestAccess::Settings(controller).Mode, 2);
}

}  // namespace
