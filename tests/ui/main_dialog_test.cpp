#include "ui/main_dialog.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "base/minimum_frequency.h"
#include "link/filter_table.h"
#include "stations/station_list.h"
#include "support/controller_test_access.h"
#include "support/main_dialog_fixture.h"
#include "support/temp_dir.h"

namespace {

std::vector<std::vector<int>> AllGroups() {
    return {FakeMainWindow::StepButtons(), FakeMainWindow::ModeButtons(),
            FakeMainWindow::AgcButtons(), FakeMainWindow::RangeButtons(),
            FakeMainWindow::PositionButtons()};
}

TEST_F(MainDialogTest, NoRadioButtonIsCheckedBeforeStart) {
    // Whatever the template had checked is released before the controller pushes the state.
    for (const auto& group : AllGroups()) window.SetCheck(group.back(), 1);
    dialog.SetController(nullptr);
    dialog.OnInitDialog();
    for (const auto& group : AllGroups()) EXPECT_EQ(window.GetRadioIndex(group.front()), -1);
    EXPECT_EQ(dialog.StepIndex(), -1);
    EXPECT_EQ(dialog.ModeIndex(), -1);
    EXPECT_EQ(dialog.AgcIndex(), -1);
    EXPECT_EQ(dialog.FilterRange(), -1);
    EXPECT_EQ(dialog.FilterPosition(), -1);
}

TEST_F(MainDialogTest, InitialisationSetsUpTheControlsAndShowsTheStoredState) {
    window.listClientWidth = 437;
    Settings().Frequency = 9580000;
    Settings().TuningStepSize = 4;
    Settings().Mode = 2;
    Settings().AGC = 3;
    Settings().Filter = 13;  // 1650 Hz: range 1, position 4
    Settings().PBShiftActive = 1;
    Settings().PBShift = -250;
    dialog.OnInitDialog();

    const auto& sliders = window.dialog.sliders;
    EXPECT_EQ(sliders.at(IDC_VOLUME_SLIDER).maximum, 63);
    EXPECT_EQ(sliders.at(IDC_VOLUME_SLIDER).page, 4);
    EXPECT_EQ(sliders.at(IDC_LINE_SLIDER).tick, 8);
    EXPECT_EQ(sliders.at(IDC_PBS_SLIDER).minimum, -1000);
    EXPECT_EQ(sliders.at(IDC_PBS_SLIDER).maximum, 1000);
    EXPECT_EQ(sliders.at(IDC_PBS_SLIDER).tick, 200);
    EXPECT_EQ(sliders.at(IDC_PBS_SLIDER).page, 20);
    EXPECT_EQ(sliders.at(IDC_SQUELCH_SLIDER).maximum, 90);
    EXPECT_EQ(sliders.at(IDC_SQUELCH_SLIDER).tick, 10);
    // (437 * 93 / 100) / 4 = 406 / 4 = 101
    EXPECT_EQ(window.columnWidths, (std::vector<int>{101, 303}));

    EXPECT_EQ(window.frequencyText, "  9580.000 ");
    EXPECT_EQ(window.GetRadioIndex(IDC_STEP_1HZ), 4);
    EXPECT_EQ(window.GetRadioIndex(IDC_MODE_AM), 2);
    EXPECT_EQ(window.GetRadioIndex(IDC_AGC_SLOW), 2);
    EXPECT_EQ(window.GetRadioIndex(IDC_RANGE_0), 1);
    EXPECT_EQ(window.GetRadioIndex(IDC_FILTER_POS_0), 4);
    EXPECT_EQ(window.GetText(IDC_FILTER_POS_0), "1050");
    EXPECT_EQ(window.GetText(IDC_FILTER_POS_8), "2250");
    EXPECT_EQ(window.GetSliderPosition(IDC_PBS_SLIDER), -250);
    EXPECT_EQ(window.GetText(IDC_PBS_TEXT), "-250");
    EXPECT_TRUE(window.moves.empty());  // no stored placement
}

TEST_F(MainDialogTest, InitialisationMovesTheWindowOnlyToAValidStoredPlacement) {
    Settings().WindowPos.length = 44;
    Settings().WindowPos.left = 120;
    Settings().WindowPos.top = 80;
    dialog.OnInitDialog();
    EXPECT_EQ(window.moves, (std::vector<std::pair<int, int>>{{120, 80}}));

    FakeMainWindow other;
    CMainDialog second(host, other);
    second.SetController(&controller);
    controller.SetMainView(&second);
    Settings().WindowPos.length = 43;
    second.OnInitDialog();
    EXPECT_TRUE(other.moves.empty());
}

TEST_F(MainDialogTest, PlacementTakenBeforeTheWindowIsShownIsNotRepeated) {
    Settings().WindowPos.length = 44;
    Settings().WindowPos.left = 120;
    Settings().WindowPos.top = 80;
    dialog.PlaceWindow();
    dialog.OnInitDialog();
    EXPECT_EQ(window.moves, (std::vector<std::pair<int, int>>{{120, 80}}));
}

struct RangeMove {
    const char* name;
    int fromRow;
    int rangeButton;
    int position;  // picked in the new range
    int bandwidthHz;
    const char* caption;  // of the button at that position
};

class FilterRangeMoveTest : public MainDialogTest, public testing::WithParamInterface<RangeMove> {};

TEST_P(FilterRangeMoveTest, PicksTheBandwidthNearestToTheOneLeft) {
    const RangeMove& move = GetParam();
    Settings().Filter = move.fromRow;
    Start();
    ClickRadio(move.rangeButton);

    EXPECT_EQ(dialog.FilterPosition(), move.position);
    EXPECT_EQ(window.GetRadioIndex(IDC_FILTER_POS_0), move.position);
    const int row = Link().FilterIndex();
    EXPECT_EQ(Settings().Filter, row);
    EXPECT_EQ(FilterTable::kRows[row].bandwidthHz, move.bandwidthHz);
    EXPECT_FALSE(Commands().empty());
    // The position buttons now carry the new range's bandwidths.
    EXPECT_EQ(window.GetText(FakeMainWindow::PositionButtons()[move.position]), move.caption);
}

INSTANTIATE_TEST_SUITE_P(
    Ranges, FilterRangeMoveTest,
    testing::Values(RangeMove{"UpFrom900To1050", 8, IDC_RANGE_1, 0, 1050, "1050"},
                    RangeMove{"DownFrom1050To900", 9, IDC_RANGE_0, 8, 900, " 900"},
                    RangeMove{"JumpFrom300To4500", 0, IDC_RANGE_3, 0, 4500, "4500"},
                    RangeMove{"DownFrom4500To4200", 27, IDC_RANGE_2, 8, 4200, "4200"}),
    [](const auto& row) { return std::string(row.param.name); });

TEST_F(MainDialogTest, ClickingTheCheckedRangeAgainKeepsThePosition) {
    Settings().Filter = 22;  // 3000 Hz, range 2 position 4
    Start();
    ClickRadio(IDC_RANGE_2);
    EXPECT_EQ(dialog.FilterPosition(), 4);
    EXPECT_EQ(Link().FilterIndex(), 22);
}

TEST_F(MainDialogTest, TheThreeWidestButtonsAllRead8000AndRecordTheirOwnRows) {
    Settings().Filter = 27;
    Start();
    const auto& positions = FakeMainWindow::PositionButtons();
    EXPECT_EQ(window.GetText(positions[0]), "4500");
    std::vector<std::vector<std::uint8_t>> filterCommands;
    for (int position = 6; position <= 8; ++position) {
        EXPECT_EQ(window.GetText(positions[position]), "8000");
        device.ClearRecords();
        ClickRadio(positions[position]);
        EXPECT_EQ(Settings().Filter, 27 + position);
        ASSERT_FALSE(Commands().empty());
        filterCommands.push_back(Commands().front());
    }
    EXPECT_EQ(filterCommands[0], filterCommands[1]);
    EXPECT_EQ(filterCommands[1], filterCommands[2]);
}

TEST_F(MainDialogTest, ModeAndAgcButtonsSendTheirValues) {
    Start();
    ClickRadio(IDC_MODE_CW);
    EXPECT_EQ(dialog.ModeIndex(), 3);
    EXPECT_EQ(Link().Mode(), 3);
    ClickRadio(IDC_AGC_SLOW);
    EXPECT_EQ(dialog.AgcIndex(), 0);
    EXPECT_EQ(Link().Agc(), 1);
    ClickRadio(IDC_STEP_9KHZ);
    EXPECT_EQ(dialog.StepIndex(), 8);
    EXPECT_EQ(Settings().TuningStepSize, 8);
}

TEST_F(MainDialogTest, SignalStrengthOffTakesTheSquelchWithIt) {
    Settings().DisplaySignalStrength = 1;
    Settings().UseSquelchLevel = 1;
    Start();
    window.lampState = 1;
    ASSERT_EQ(window.GetCheck(IDC_SQUELCH_ON), 1);

    ClickCheck(IDC_SIGNAL_ON);
    EXPECT_EQ(window.GetCheck(IDC_SIGNAL_ON), 0);
    EXPECT_EQ(window.GetCheck(IDC_SQUELCH_ON), 0);
    EXPECT_EQ(window.lampState, -1);
    EXPECT_EQ(Settings().DisplaySignalStrength, 0);
    EXPECT_EQ(Settings().UseSquelchLevel, 0);

    // While the readings are off, the squelch refuses to come on.
    ClickCheck(IDC_SQUELCH_ON);
    EXPECT_EQ(window.GetCheck(IDC_SQUELCH_ON), 0);
    EXPECT_EQ(Settings().UseSquelchLevel, 0);
}

TEST_F(MainDialogTest, SquelchOffShowsTheLampOff) {
    Settings().UseSquelchLevel = 1;
    Start();
    window.lampState = 0;
    ClickCheck(IDC_SQUELCH_ON);
    EXPECT_EQ(window.lampState, -1);
    EXPECT_EQ(Settings().UseSquelchLevel, 0);
}

TEST_F(MainDialogTest, PassbandShiftMovedWhileOffIsAppliedWhenSwitchedOn) {
    Settings().PBShiftActive = 0;
    Start();
    window.SetSliderPosition(IDC_PBS_SLIDER, 350);
    dialog.OnSliderScroll(IDC_PBS_SLIDER, ScrollCode::ThumbTrack);
    EXPECT_EQ(window.GetText(IDC_PBS_TEXT), "");
    EXPECT_EQ(Settings().PBShift, 350);
    EXPECT_EQ(Link().PassbandShift(), 0);

    ClickCheck(IDC_PBS_ON);
    EXPECT_EQ(window.GetText(IDC_PBS_TEXT), "350");
    EXPECT_EQ(Link().PassbandShift(), 350);

    ClickCheck(IDC_PBS_ON);
    EXPECT_EQ(window.GetText(IDC_PBS_TEXT), "");
    EXPECT_EQ(Link().PassbandShift(), 0);
}

TEST_F(MainDialogTest, SlidersSendTheirValuesButNotAtEndOfScroll) {
    Settings().VolumeOn = 1;
    Settings().LineOn = 0;
    Start();
    window.SetSliderPosition(IDC_VOLUME_SLIDER, 40);
    dialog.OnSliderScroll(IDC_VOLUME_SLIDER, ScrollCode::EndScroll);
    EXPECT_TRUE(Commands().empty());
    dialog.OnSliderScroll(IDC_VOLUME_SLIDER, ScrollCode::PageDown);
    EXPECT_EQ(Settings().VolumeLevel, 40);
    EXPECT_EQ(Link().Volume(), 40);

    window.SetSliderPosition(IDC_LINE_SLIDER, 20);
    dialog.OnSliderScroll(IDC_LINE_SLIDER, ScrollCode::LineUp);
    EXPECT_EQ(Settings().LineLevel, 20);
    EXPECT_EQ(Link().LineLevel(), 0);  // "On" unchecked
    ClickCheck(IDC_LINE_ON);
    EXPECT_EQ(Link().LineLevel(), 20);

    device.ClearRecords();
    window.SetSliderPosition(IDC_SQUELCH_SLIDER, 30);
    dialog.OnSliderScroll(IDC_SQUELCH_SLIDER, ScrollCode::Bottom);
    EXPECT_EQ(Settings().SquelchLevel, 30);
    EXPECT_TRUE(Commands().empty());
}

TEST_F(MainDialogTest, UtcTimeUsesTheTemplateFormat) {
    dialog.ShowUtcTime(UtcTime{9, 4, 1999, 21, 48, 0});
    EXPECT_EQ(window.GetText(IDC_UTC_TIME), "09.04.1999   21:48:00 UTC");
}

TEST_F(MainDialogTest, ReadoutTextIsElevenCharactersAtTheExtremes) {
    dialog.ShowFrequency(29999999, 0);
    EXPECT_EQ(window.frequencyText, " 29999.999 ");
    dialog.ShowFrequency(100000, 1);
    EXPECT_EQ(window.frequencyText, "  0.100000 ");
}

TEST_F(MainDialogTest, StationRowsGoInAtTheTopAndSortByFrequency) {
    const StationNode a{1}, b{2}, c{3};
    dialog.AddStationRow(a, 0, 9580000, "Radio A");
    dialog.AddStationRow(b, 0, 15000000, "Radio B");
    dialog.AddStationRow(c, 0, 621000, "Radio C");
    ASSERT_EQ(window.RowCount(), 3);
    EXPECT_EQ(window.rows[0].node, c);
    EXPECT_EQ(window.rows[0].frequencyText, "  621.000");
    dialog.SortStationRows();
    EXPECT_EQ(window.rows[0].node, c);
    EXPECT_EQ(window.rows[1].node, a);
    EXPECT_EQ(window.rows[2].node, b);
    EXPECT_EQ(window.rows[2].name, "Radio B");
    dialog.DeleteAllStationRows();
    EXPECT_EQ(window.RowCount(), 0);
}

TEST_F(MainDialogTest, WholeListInOneStepShowsWhatRowByRowShows) {
    CStationList stations;
    StationNode node = kNoStation;
    // Equal frequencies, so that the order before the stable sort shows.
    for (const int frequencyHz : {9580000, 621000, 9580000, 15000000, 621000, 9580000}) {
        stations.Add(StationRecord("R" + std::to_string(frequencyHz), frequencyHz, 0, 2, 28, 0),
                     node);
    }
    for (const int displayMHz : {0, 1}) {
        dialog.MainView::ShowStationList(stations, displayMHz);
        const std::vector<FakeMainWindow::Row> rowByRow = window.rows;
        dialog.ShowStationList(stations, displayMHz);
        ASSERT_EQ(window.rows.size(), rowByRow.size());
        for (std::size_t i = 0; i < rowByRow.size(); ++i) {
            EXPECT_EQ(window.rows[i].node, rowByRow[i].node) << i;
            EXPECT_EQ(window.rows[i].frequencyText, rowByRow[i].frequencyText) << i;
            EXPECT_EQ(window.rows[i].name, rowByRow[i].name) << i;
        }
    }
}

// --- Exit ---

TEST_F(MainDialogTest, ExitAnsweredCancelStaysWithTuningStopped) {
    Start();
    ClickCheck(IDC_CONT_UP);
    host.QueueAnswer(IDCANCEL);
    EXPECT_FALSE(dialog.OnCancel());
    EXPECT_FALSE(dialog.Ended());
    EXPECT_EQ(window.dialog.endResult, 0);
    EXPECT_EQ(window.GetCheck(IDC_CONT_UP), 0);
    EXPECT_FALSE(clock.IsRunning(kRepeatTimer));
    EXPECT_TRUE(device.isOpen);
    EXPECT_TRUE(clock.IsRunning(kSignalTimer));
    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_EQ(host.messages[0].text, "Mute RX-320 on Exit ?");
    EXPECT_EQ(host.messages[0].buttons, MessageButtons::YesNoCancel);
    EXPECT_EQ(host.messages[0].icon, MessageIcon::Question);
}

TEST_F(MainDialogTest, ExitAnsweredNoKeepsTheVolumeAndStoresThePlacement) {
    Settings().VolumeOn = 1;
    Settings().VolumeLevel = 30;
    Start();
    window.SetSliderPosition(IDC_VOLUME_SLIDER, 30);
    dialog.OnSliderScroll(IDC_VOLUME_SLIDER, ScrollCode::ThumbPosition);
    window.placement = WindowPlacement{44, 0, 1, -1, -1, -1, -1, 10, 20, 500, 300};
    host.QueueAnswer(IDNO);
    EXPECT_TRUE(dialog.OnCancel());
    EXPECT_TRUE(dialog.Ended());
    EXPECT_EQ(window.dialog.endResult, IDCANCEL);
    EXPECT_EQ(host.messages.size(), 1u);  // list not modified: no save question
    EXPECT_EQ(Link().Volume(), 30);
    EXPECT_FALSE(device.isOpen);
    EXPECT_EQ(Settings().WindowPos.length, 44);
    EXPECT_EQ(Settings().WindowPos.left, 10);
    EXPECT_EQ(Settings().WindowPos.bottom, 300);
}

TEST_F(MainDialogTest, UnreadablePlacementIsStoredAsInvalid) {
    Start();
    Settings().WindowPos.length = 44;
    window.placementReadable = false;
    host.QueueAnswer(IDNO);
    EXPECT_TRUE(dialog.OnCancel());
    EXPECT_EQ(Settings().WindowPos.length, 0);
}

TEST_F(MainDialogTest, ExitAnsweredYesWithModifiedListAndCancelledSaveStillEnds) {
    Settings().VolumeOn = 1;
    Settings().VolumeLevel = 30;
    Settings().StationFile.clear();
    Start();
    StationNode node = kNoStation;
    ASSERT_EQ(ControllerTestAccess::Stations(controller)
                  .Add(StationRecord("Radio A", 9580000, 0, 2, 28, 0), node),
              0);
    ASSERT_EQ(ControllerTestAccess::Stations(controller).IsModified(), 1);
    window.SetSliderPosition(IDC_VOLUME_SLIDER, 30);
    dialog.OnSliderScroll(IDC_VOLUME_SLIDER, ScrollCode::ThumbPosition);

    host.QueueAnswer(IDYES);  // mute
    host.QueueAnswer(IDYES);  // save
    // No file queued: the save dialog is cancelled.
    EXPECT_TRUE(dialog.OnCancel());
    EXPECT_TRUE(dialog.Ended());
    ASSERT_EQ(host.messages.size(), 2u);
    EXPECT_EQ(host.messages[1].text,
              "The current station file has been modfified.\nDo you want to save it ?");
    EXPECT_EQ(host.messages[1].buttons, MessageButtons::YesNo);
    ASSERT_EQ(host.fileDialogs.size(), 1u);
    EXPECT_EQ(host.fileDialogs[0].title, "ZORIVAN Save Station File");
    EXPECT_EQ(host.fileDialogs[0].initialName, "Stationfile.tts");
    EXPECT_EQ(host.fileDialogs[0].defaultExtension, "tts");
    EXPECT_EQ(host.fileDialogs[0].filter, "Station Files (*.tts)|*.tts||");
    EXPECT_TRUE(host.fileDialogs[0].overwritePrompt);
    EXPECT_TRUE(Settings().StationFile.empty());
    EXPECT_EQ(ControllerTestAccess::Stations(controller).IsModified(), 1);
    // Muted on the way out, but the user's level is what the profile keeps.
    EXPECT_EQ(Link().Volume(), 0);
    EXPECT_EQ(Settings().VolumeLevel, 30);
    EXPECT_FALSE(device.isOpen);
}

TEST_F(MainDialogTest, ExitSavesAModifiedListUnderTheChosenName) {
    TempDir directory;
    Settings().StationFile.clear();
    Start();
    StationNode node = kNoStation;
    ASSERT_EQ(ControllerTestAccess::Stations(controller)
                  .Add(StationRecord("Radio A", 9580000, 0, 2, 28, 0), node),
              0);
    host.QueueAnswer(IDNO);
    host.QueueAnswer(IDYES);
    host.QueueFile(directory.File("Stationfile.tts"));
    EXPECT_TRUE(dialog.OnCancel());
    EXPECT_EQ(Settings().StationFile, directory.File("Stationfile.tts"));
    EXPECT_EQ(window.GetText(IDC_STATION_FILE_NAME), "Stationfile.tts");
    EXPECT_NE(ReadWholeFile(directory.File("Stationfile.tts")).find("Radio A"), std::string::npos);
    EXPECT_EQ(ControllerTestAccess::Stations(controller).IsModified(), 0);
}

TEST_F(MainDialogTest, ExitWithAModifiedListAnsweredNoSavesNothing) {
    TempDir directory;
    Settings().StationFile = directory.File("kept.tts");
    Start();
    StationNode node = kNoStation;
    ASSERT_EQ(ControllerTestAccess::Stations(controller)
                  .Add(StationRecord("Radio A", 9580000, 0, 2, 28, 0), node),
              0);
    host.QueueAnswer(IDNO);
    host.QueueAnswer(IDNO);
    EXPECT_TRUE(dialog.OnCancel());
    EXPECT_TRUE(host.fileDialogs.empty());
    EXPECT_EQ(ReadWholeFile(directory.File("kept.tts")), "");
    EXPECT_EQ(ControllerTestAccess::Stations(controller).IsModified(), 1);
}

}  // namespace
