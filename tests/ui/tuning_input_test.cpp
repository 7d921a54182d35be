#include <gtest/gtest.h>

#include <string>

#include "base/minimum_frequency.h"
#include "support/main_dialog_fixture.h"

namespace {

constexpr int kStartHz = 7000000;
constexpr int kRejected = -1;
constexpr int kToMinimum = -2;

struct EntryCase {
    const char* name;
    const char* text;
    int displayMHz;
    int tunedHz;  // kRejected: beep, text kept; kToMinimum: MinimumFrequency
};

class FrequencyEntryTest : public MainDialogTest, public testing::WithParamInterface<EntryCase> {};

TEST_P(FrequencyEntryTest, TunesOrBeeps) {
    const EntryCase& entry = GetParam();
    Settings().Frequency = kStartHz;
    Settings().DisplayMHz = entry.displayMHz;
    Start();
    window.SetText(IDC_FREQUENCY_ENTRY, entry.text);
    window.SetFocus(IDC_ENTER);
    dialog.OnCommand(IDC_ENTER);

    if (entry.tunedHz == kRejected) {
        EXPECT_EQ(host.beeps, 1);
        EXPECT_EQ(window.GetText(IDC_FREQUENCY_ENTRY), entry.text);
        EXPECT_EQ(window.GetFocus(), IDC_FREQUENCY_ENTRY);
        EXPECT_EQ(Settings().Frequency, kStartHz);
        EXPECT_TRUE(Commands().empty());
        return;
    }
    const int expected = entry.tunedHz == kToMinimum ? MinimumFrequency : entry.tunedHz;
    EXPECT_EQ(host.beeps, 0);
    EXPECT_EQ(Settings().Frequency, expected);
    EXPECT_EQ(Link().Frequency(), expected);
    EXPECT_EQ(window.GetText(IDC_FREQUENCY_ENTRY), "");
}

INSTANTIATE_TEST_SUITE_P(
    Entries, FrequencyEntryTest,
    testing::Values(EntryCase{"KilohertzWhole", "6075", 0, 6075000},
                    EntryCase{"MegahertzFraction", "6.075", 1, 6075000},
                    EntryCase{"TrailingBlank", "6075 ", 0, 6075000},
                    EntryCase{"LeadingBlanks", "  9580", 0, 9580000},
                    EntryCase{"Exponent", "9.58e3", 0, 9580000},
                    EntryCase{"TruncatedTowardZero", "6075.0009", 0, 6075000},
                    // Decimals whose binary product falls just short of the whole hertz.
                    EntryCase{"KilohertzScaledExactly", "259.520", 0, 259520},
                    EntryCase{"MegahertzScaledExactly", "8.2", 1, 8200000},
                    EntryCase{"SixMegahertzDecimals", "1.004004", 1, 1004004},
                    EntryCase{"ExponentScaledExactly", "0.259520e3", 0, 259520},
                    EntryCase{"SevenPointOneMegahertz", "7.1", 1, 7100000},
                    EntryCase{"NegativeExponent", "8200e-3", 1, 8200000},
                    EntryCase{"DigitsBeyondTheHertzCut", "8.2000009", 1, 8200000},
                    EntryCase{"ManyLeadingZeros", "000000000000000000008.2", 1, 8200000},
                    EntryCase{"ManyDigitsClamp", "123456789012345678901234", 0, 30000000},
                    EntryCase{"TinyClampsToMinimum", "1e-999", 0, kToMinimum},
                    EntryCase{"LetterInside", "60x75", 0, kRejected},
                    EntryCase{"Comma", "7,1", 1, kRejected},
                    EntryCase{"OnlyBlanks", "   ", 0, kRejected},
                    EntryCase{"FiftyMegahertzClamps", "50", 1, 30000000},
                    EntryCase{"NegativeClampsToMinimum", "-5", 0, kToMinimum},
                    EntryCase{"HugeClamps", "1e999", 0, 30000000},
                    EntryCase{"HugeNegativeClamps", "-1e999", 1, kToMinimum},
                    // Only the first 63 characters count: the x is never read.
                    EntryCase{"SixtyFourthCharacterIgnored",
                              "6075                                                           x", 0,
                              6075000}),
    [](const auto& row) { return std::string(row.param.name); });

TEST_F(MainDialogTest, EmptyEntryDoesNothing) {
    Settings().Frequency = kStartHz;
    Start();
    dialog.OnCommand(IDC_ENTER);
    EXPECT_EQ(host.beeps, 0);
    EXPECT_TRUE(Commands().empty());
    EXPECT_EQ(Settings().Frequency, kStartHz);
}

TEST_F(MainDialogTest, EntryEndsAContinuousRun) {
    Start();
    ClickCheck(IDC_CONT_UP);
    window.SetText(IDC_FREQUENCY_ENTRY, "9580");
    dialog.OnCommand(IDC_ENTER);
    EXPECT_EQ(window.GetCheck(IDC_CONT_UP), 0);
    EXPECT_FALSE(clock.IsRunning(kRepeatTimer));
    EXPECT_EQ(Settings().Frequency, 9580000);
}

struct StepCase {
    const char* name;
    int stepIndex;
    int tunedHz;
};

class StepNearTopTest : public MainDialogTest, public testing::WithParamInterface<StepCase> {
  protected:
    void SetUp() override {
        Settings().Frequency = 29998000;
        Settings().TuningStepSize = GetParam().stepIndex;
        Start();
    }
    void Expect() {
        EXPECT_EQ(Settings().Frequency, GetParam().tunedHz);
        EXPECT_EQ(Commands().empty(), GetParam().tunedHz == 29998000);
    }
};

TEST_P(StepNearTopTest, UpButton) {
    dialog.OnRepeatButton(-1, IDC_UP);
    dialog.OnRepeatButton(1, IDC_UP);
    Expect();
}

TEST_P(StepNearTopTest, KeyT) {
    Type('T');
    Expect();
}

TEST_P(StepNearTopTest, WheelNotch) {
    dialog.OnMouseWheel(120);
    Expect();
}

INSTANTIATE_TEST_SUITE_P(Steps, StepNearTopTest,
                         testing::Values(StepCase{"FiveKilohertzStays", 7, 29998000},
                                         StepCase{"OneKilohertzTunes", 6, 29999000}),
                         [](const auto& row) { return std::string(row.param.name); });

TEST_F(MainDialogTest, DownButtonAndWheelStepDown) {
    Settings().Frequency = 7000000;
    Settings().TuningStepSize = 6;
    Start();
    dialog.OnRepeatButton(-1, IDC_DOWN);
    dialog.OnRepeatButton(1, IDC_DOWN);
    EXPECT_EQ(Settings().Frequency, 6999000);
    dialog.OnMouseWheel(-120);
    EXPECT_EQ(Settings().Frequency, 6998000);
    // A wheel notification never repeats.
    clock.Advance(2000);
    EXPECT_EQ(Settings().Frequency, 6998000);
}

TEST_F(MainDialogTest, ContUpWhileContDownRunsTurnsTheRunAround) {
    Settings().Frequency = 7000000;
    Settings().TuningStepSize = 6;
    Settings().SteppingSpeed = 0;
    Settings().TuningTimeSlow = 200;
    Start();
    ClickCheck(IDC_CONT_DOWN);
    EXPECT_EQ(Settings().Frequency, 6999000);
    clock.Advance(200);
    EXPECT_EQ(Settings().Frequency, 6998000);

    ClickCheck(IDC_CONT_UP);
    EXPECT_EQ(window.GetCheck(IDC_CONT_DOWN), 0);
    EXPECT_EQ(window.GetCheck(IDC_CONT_UP), 1);
    EXPECT_EQ(Settings().Frequency, 6999000);
    clock.Advance(400);
    EXPECT_EQ(Settings().Frequency, 7001000);

    ClickCheck(IDC_CONT_UP);  // released: the run stops
    EXPECT_FALSE(clock.IsRunning(kRepeatTimer));
    clock.Advance(1000);
    EXPECT_EQ(Settings().Frequency, 7001000);
}

TEST_F(MainDialogTest, FastEndsAContinuousRun) {
    Start();
    ClickCheck(IDC_CONT_DOWN);
    ClickCheck(IDC_FAST);
    EXPECT_EQ(Settings().SteppingSpeed, 1);
    EXPECT_EQ(window.GetCheck(IDC_CONT_DOWN), 0);
    EXPECT_FALSE(clock.IsRunning(kRepeatTimer));
}

}  // namespace
