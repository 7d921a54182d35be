#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/controller_test_access.h"
#include "support/main_dialog_fixture.h"

namespace {

struct CycleCase {
    const char* name;
    int startValue;  // settings value before Start
    int key;
    int index;    // dialog index afterwards
    int checked;  // button checked afterwards
};

class StepSizeKeyTest : public MainDialogTest, public testing::WithParamInterface<CycleCase> {};

TEST_P(StepSizeKeyTest, CyclesWrappingAndStoresTheStep) {
    Settings().TuningStepSize = GetParam().startValue;
    Start();
    Type(GetParam().key);
    EXPECT_EQ(dialog.StepIndex(), GetParam().index);
    EXPECT_EQ(Settings().TuningStepSize, GetParam().index);
    EXPECT_EQ(window.GetCheck(GetParam().checked), 1);
    EXPECT_EQ(window.GetRadioIndex(IDC_STEP_1HZ), GetParam().index);
    EXPECT_TRUE(Commands().empty());
}

INSTANTIATE_TEST_SUITE_P(
    Keys, StepSizeKeyTest,
    testing::Values(CycleCase{"UpFrom100KhzWrapsTo1Hz", 11, 'S', 0, IDC_STEP_1HZ},
                    CycleCase{"DownFrom1HzWrapsTo100Khz", 0, 's', 11, IDC_STEP_100KHZ},
                    CycleCase{"UpFrom5KhzTo9Khz", 7, 'S', 8, IDC_STEP_9KHZ}),
    [](const auto& row) { return std::string(row.param.name); });

class AgcKeyTest : public MainDialogTest, public testing::WithParamInterface<CycleCase> {};

TEST_P(AgcKeyTest, CyclesWrappingAndSendsTheAgc) {
    Settings().AGC = GetParam().startValue;
    Start();
    Type(GetParam().key);
    EXPECT_EQ(dialog.AgcIndex(), GetParam().index);
    EXPECT_EQ(window.GetCheck(GetParam().checked), 1);
    EXPECT_EQ(Link().Agc(), GetParam().index + 1);
    EXPECT_EQ(Settings().AGC, GetParam().index + 1);
    EXPECT_FALSE(Commands().empty());
}

INSTANTIATE_TEST_SUITE_P(
    Keys, AgcKeyTest,
    testing::Values(CycleCase{"DownFromSlowWrapsToFast", 1, 'a', 2, IDC_AGC_FAST},
                    CycleCase{"UpFromFastWrapsToSlow", 3, 'A', 0, IDC_AGC_SLOW}),
    [](const auto& row) { return std::string(row.param.name); });

TEST_F(MainDialogTest, ModeKeysCycleAndSend) {
    Settings().Mode = 3;
    Start();
    Type('M');
    EXPECT_EQ(dialog.ModeIndex(), 0);
    EXPECT_EQ(window.GetCheck(IDC_MODE_AM), 1);
    EXPECT_EQ(Link().Mode(), 0);
    Type('m');
    EXPECT_EQ(Link().Mode(), 3);
    EXPECT_EQ(window.GetCheck(IDC_MODE_CW), 1);
}

struct FilterKeyCase {
    const char* name;
    int fromRow;
    int key;
    int range;
    int position;
    int row;
};

class FilterKeyTest : public MainDialogTest, public testing::WithParamInterface<FilterKeyCase> {};

TEST_P(FilterKeyTest, MovesAndAppliesTheFilter) {
    Settings().Filter = GetParam().fromRow;
    Start();
    Type(GetParam().key);
    EXPECT_EQ(dialog.FilterRange(), GetParam().range);
    EXPECT_EQ(dialog.FilterPosition(), GetParam().position);
    EXPECT_EQ(window.GetRadioIndex(IDC_RANGE_0), GetParam().range);
    EXPECT_EQ(window.GetRadioIndex(IDC_FILTER_POS_0), GetParam().position);
    EXPECT_EQ(Settings().Filter, GetParam().row);
    EXPECT_EQ(Link().FilterIndex(), GetParam().row);
}

INSTANTIATE_TEST_SUITE_P(
    Keys, FilterKeyTest,
    testing::Values(FilterKeyCase{"RangeUpFromWidestWrapsTo900", 27, 'G', 0, 8, 8},
                    FilterKeyCase{"RangeDownFromNarrowestWrapsTo4500", 0, 'g', 3, 0, 27},
                    FilterKeyCase{"RangeUpFrom1500To2400", 12, 'G', 2, 0, 18},
                    FilterKeyCase{"PositionUpWrapsWithinTheRange", 17, 'F', 1, 0, 9},
                    FilterKeyCase{"PositionDownWrapsWithinTheRange", 18, 'f', 2, 8, 26}),
    [](const auto& row) { return std::string(row.param.name); });

TEST_F(MainDialogTest, RangeKeyRelabelsThePositionButtons) {
    Settings().Filter = 27;
    Start();
    Type('G');
    EXPECT_EQ(window.GetText(IDC_FILTER_POS_0), " 300");
    EXPECT_EQ(window.GetText(IDC_FILTER_POS_8), " 900");
}

TEST_F(MainDialogTest, PassbandShiftKeyStopsAtTheRangeEnd) {
    Settings().PBShiftActive = 1;
    Settings().PBShift = 990;
    Start();
    Type('P');
    EXPECT_EQ(window.GetSliderPosition(IDC_PBS_SLIDER), 1000);
    EXPECT_EQ(window.GetText(IDC_PBS_TEXT), "1000");
    EXPECT_EQ(Link().PassbandShift(), 1000);
    EXPECT_EQ(window.GetFocus(), IDC_PBS_SLIDER);
    Type('p');
    EXPECT_EQ(Link().PassbandShift(), 980);
    EXPECT_EQ(window.GetText(IDC_PBS_TEXT), "980");
}

TEST_F(MainDialogTest, LevelKeysMoveTheirSlidersByTheirSizes) {
    Settings().VolumeOn = 1;
    Settings().VolumeLevel = 63;
    Settings().LineOn = 1;
    Settings().LineLevel = 0;
    Settings().SquelchLevel = 88;
    Start();
    Type('V');
    EXPECT_EQ(Settings().VolumeLevel, 63);
    Type('v');
    EXPECT_EQ(Link().Volume(), 62);
    EXPECT_EQ(window.GetFocus(), IDC_VOLUME_SLIDER);
    Type('l');
    EXPECT_EQ(Settings().LineLevel, 0);
    Type('L');
    EXPECT_EQ(Link().LineLevel(), 1);
    EXPECT_EQ(window.GetFocus(), IDC_LINE_SLIDER);
    Type('Q');
    EXPECT_EQ(Settings().SquelchLevel, 90);
    Type('q');
    EXPECT_EQ(Settings().SquelchLevel, 86);
    EXPECT_EQ(window.GetFocus(), IDC_SQUELCH_SLIDER);
}

TEST_F(MainDialogTest, CtrlQWithTheSignalDisplayOffLeavesSquelchUnchecked) {
    Settings().DisplaySignalStrength = 0;
    Settings().UseSquelchLevel = 0;
    Start();
    Type(17);
    EXPECT_EQ(window.GetCheck(IDC_SQUELCH_ON), 0);
    EXPECT_EQ(Settings().UseSquelchLevel, 0);
}

TEST_F(MainDialogTest, ControlKeysToggleTheirBoxesAndRunTheHandlers) {
    Settings().VolumeOn = 1;
    Settings().VolumeLevel = 20;
    Settings().LineOn = 1;
    Settings().LineLevel = 10;
    Settings().PBShiftActive = 0;
    Settings().PBShift = 300;
    Settings().DisplaySignalStrength = 1;
    Settings().UseSquelchLevel = 1;
    Start();
    Type(22);
    EXPECT_EQ(window.GetCheck(IDC_VOLUME_ON), 0);
    EXPECT_EQ(Link().Volume(), 0);
    Type(12);
    EXPECT_EQ(Link().LineLevel(), 0);
    Type(16);
    EXPECT_EQ(window.GetCheck(IDC_PBS_ON), 1);
    EXPECT_EQ(Link().PassbandShift(), 300);
    Type(2);
    EXPECT_EQ(window.GetCheck(IDC_SIGNAL_ON), 0);
    EXPECT_EQ(window.GetCheck(IDC_SQUELCH_ON), 0);
    Type(25);
    EXPECT_EQ(Settings().SteppingSpeed, 1);
}

TEST_F(MainDialogTest, ContinuousKeysToggleAndCtrlCStops) {
    Settings().Frequency = 7000000;
    Settings().TuningStepSize = 6;
    Start();
    Type('C');
    EXPECT_EQ(window.GetCheck(IDC_CONT_UP), 1);
    EXPECT_EQ(Settings().Frequency, 7001000);
    Type('c');
    EXPECT_EQ(window.GetCheck(IDC_CONT_UP), 0);
    EXPECT_EQ(window.GetCheck(IDC_CONT_DOWN), 1);
    EXPECT_EQ(Settings().Frequency, 7000000);
    Type(3);
    EXPECT_EQ(window.GetCheck(IDC_CONT_DOWN), 0);
    EXPECT_FALSE(clock.IsRunning(kRepeatTimer));
}

TEST_F(MainDialogTest, DigitsFocusTheEntryWithoutBeingConsumed) {
    Start();
    window.SetFocus(IDC_STATION_LIST);
    Type('9', false);
    EXPECT_EQ(window.GetFocus(), IDC_FREQUENCY_ENTRY);
    Type('.', false);
    EXPECT_EQ(window.GetFocus(), IDC_FREQUENCY_ENTRY);
}

TEST_F(MainDialogTest, KeyZTakesTheEntryAndOFocusesTheList) {
    Start();
    window.SetText(IDC_FREQUENCY_ENTRY, "9580");
    Type('z');
    EXPECT_EQ(Settings().Frequency, 9580000);
    Type('o');
    EXPECT_EQ(window.GetFocus(), IDC_STATION_LIST);
}

TEST_F(MainDialogTest, CharactersOutsideTheTableReachTheFocusedControl) {
    Settings().Frequency = 7000000;
    Start();
    window.SetFocus(IDC_FREQUENCY_ENTRY);
    for (const int character : {int{'H'}, int{'E'}, int{','}, int{'-'}, int{'+'}, int{'I'},
                                int{'K'}, int{'N'}, int{'B'}, int{'Z'}, 13, 27}) {
        Type(character, false);
    }
    EXPECT_TRUE(Commands().empty());
    EXPECT_EQ(window.GetFocus(), IDC_FREQUENCY_ENTRY);
    EXPECT_TRUE(host.messages.empty());
}

struct DialogKeyCase {
    const char* name;
    int key;
    int templateId;
};

class DialogKeyTest : public MainDialogTest, public testing::WithParamInterface<DialogKeyCase> {};

TEST_P(DialogKeyTest, StopsContinuousTuningAndOpensTheDialog) {
    Start();
    ClickCheck(IDC_CONT_UP);
    Type(GetParam().key);
    EXPECT_EQ(host.modalTemplates, (std::vector<int>{GetParam().templateId}));
    EXPECT_EQ(window.GetCheck(IDC_CONT_UP), 0);
    EXPECT_FALSE(clock.IsRunning(kRepeatTimer));
}

INSTANTIATE_TEST_SUITE_P(Keys, DialogKeyTest,
                         testing::Values(DialogKeyCase{"iStationFile", 'i', IDD_STATION_FILE},
                                         DialogKeyCase{"rConfiguration", 'r', IDD_CONFIGURATION}),
                         [](const auto& row) { return std::string(row.param.name); });

TEST_F(MainDialogTest, AboutStopsContinuousTuningAndOpensTheBox) {
    Start();
    ClickCheck(IDC_CONT_DOWN);
    dialog.OnAbout();
    EXPECT_EQ(host.modalTemplates, (std::vector<int>{IDD_ABOUTBOX}));
    EXPECT_EQ(window.GetCheck(IDC_CONT_DOWN), 0);
}

struct StationKeyCase {
    const char* name;
    int key;
    const char* message;
};

class StationKeyTest : public MainDialogTest, public testing::WithParamInterface<StationKeyCase> {};

TEST_P(StationKeyTest, ReachesTheStationCommand) {
    Start();
    Type(GetParam().key);
    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_EQ(host.messages[0].text, GetParam().message);
}

INSTANTIATE_TEST_SUITE_P(
    Keys, StationKeyTest,
    testing::Values(
        StationKeyCase{"xTune", 'x',
                       "No station selected !\n(Please select a station to be used for tuning)"},
        StationKeyCase{"uUpdate", 'u',
                       "No station selected !\n(Please select a station to be updated)"},
        StationKeyCase{"eEdit", 'e',
                       "No station selected !\n(Please select a station to be edited)"},
        StationKeyCase{"dDelete", 'd',
                       "No station selected !\n(Please select a station to be deleted)"}),
    [](const auto& row) { return std::string(row.param.name); });

TEST_F(MainDialogTest, DoubleClickTunesTheSelectedStation) {
    Start();
    StationNode node = kNoStation;
    ASSERT_EQ(ControllerTestAccess::Stations(controller)
                  .Add(StationRecord("Radio A", 9580000, 1, 3, 20, 0), node),
              0);
    controller.RefreshStationList();
    window.SelectRow(0);
    dialog.OnListDoubleClick();
    EXPECT_EQ(Settings().Frequency, 9580000);
    EXPECT_EQ(window.GetCheck(IDC_MODE_USB), 1);
    EXPECT_EQ(dialog.FilterRange(), 2);
}

}  // namespace
