#include "stations/commands/station_commands.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "controller/receiver_controller.h"
#include "exchange/exchange_block.h"
#include "exchange/exchange_value.h"
#include "stations/commands/station_edit_dialog.h"
#include "support/controller_test_access.h"
#include "support/main_window_rig.h"
#include "support/scripted_dialog.h"
#include "ui/main_window_radio_groups.h"

namespace {

using Bytes = ScriptedSerialDevice::Bytes;

class StationCommandsTest : public ::testing::Test {
  protected:
    void SetUp() override { rig.Start(); }

    // The stations as loaded from a file (so not modified), in the list view as the program
    // fills it: sorted by frequency.
    void Show(const std::vector<StationRecord>& stations) {
        CStationList file;
        StationNode node = kNoStation;
        for (const StationRecord& station : stations) ASSERT_EQ(file.Add(station, node), 0);
        ASSERT_EQ(ControllerTestAccess::Stations(rig.controller).Parse(file.Serialize()), 0);
        rig.controller.RefreshStationList();
    }
    std::vector<std::string> Names() {
        std::vector<std::string> names;
        for (const auto& row : rig.window.rows) names.push_back(row.name);
        return names;
    }
    // The receiver's state as the controller holds it.
    void SetReceiver(int frequencyHz, int mode, int agc, int filter, int shiftOn, int shiftHz) {
        rig.controller.SetFrequency(frequencyHz);
        rig.controller.SetMode(mode);
        rig.controller.SetAgc(agc);
        rig.controller.SetFilter(filter);
        rig.controller.SetPassbandShift(shiftHz);
        rig.controller.SetPassbandShiftOn(shiftOn);
    }
    // The edit dialog is shown and the user presses OK in it unchanged (or as user says).
    void EditDialogAnswers(DialogUser user) { rig.host.modalHandler = ShowDialogIn(shown, user); }
    // A station message from ZELKA, as it arrives while a modal box is open: a new row on top.
    static constexpr int kArrivalHz = 11000000;
    void StationArrivesFromZelka() {
        const std::vector<std::uint8_t> block = WriteExchangeBlock(1, kArrivalHz, {"Arrived"});
        rig.dialog.OnCopyData(kStationMessage + 1, block.data(), block.size());
    }

    static void ExpectValues(const StationRecord& actual, const StationRecord& expected) {
        EXPECT_EQ(actual.name, expected.name);
        EXPECT_EQ(actual.frequency, expected.frequency);
        EXPECT_EQ(actual.mode, expected.mode);
        EXPECT_EQ(actual.agc, expected.agc);
        EXPECT_EQ(actual.filter, expected.filter);
        EXPECT_EQ(actual.passbandShift, expected.passbandShift);
    }

    MainWindowRig rig;
    CStationCommands commands{rig.controller, rig.host, rig.window, rig.dialog};
    FakeDialogWindow shown;
};

TEST_F(StationCommandsTest, AddPutsTheNewRowOnTopSelectedUntilTheNextSort) {
    Show({StationRecord("Low", 6075000, 0, 2, 28, 0), StationRecord("Mid", 9580000, 0, 2, 28, 0)});
    ASSERT_EQ(Names(), (std::vector<std::string>{"Low", "Mid"}));
    SetReceiver(15000000, 1, 3, 20, 1, 300);
    EditDialogAnswers([](DialogLogic& d, FakeDialogWindow& w) {
        w.SetText(IDC_EDIT_NAME, "High");
        d.OnCommand(w, IDOK);
    });

    commands.OnAdd();

    EXPECT_EQ(Names(), (std::vector<std::string>{"High", "Low", "Mid"}));
    EXPECT_EQ(rig.window.GetSelectedRow(), 0);
    EXPECT_EQ(rig.window.rows[0].frequencyText, "15000.000");
    ExpectValues(rig.StationAt(0), StationRecord("High", 15000000, 1, 3, 20, 300));
    EXPECT_EQ(ControllerTestAccess::Stations(rig.controller).IsModified(), 1);

    commands.OnHeaderClick(0);
    EXPECT_EQ(Names(), (std::vector<std::string>{"Low", "Mid", "High"}));
}

TEST_F(StationCommandsTest, AddOffersTheReceiverStateWithAnEmptyName) {
    SetReceiver(7100000, 2, 1, 9, 0, 450);
    ControllerTestAccess::Settings(rig.controller).DisplayMHz = 1;
    EditDialogAnswers(nullptr);
    commands.OnAdd();
    EXPECT_EQ(rig.host.modalTemplates, (std::vector<int>{IDD_STATION_EDIT}));
    EXPECT_EQ(shown.GetText(IDC_EDIT_NAME), "");
    EXPECT_EQ(shown.GetText(IDC_EDIT_FREQUENCY), " 7.100000");
    EXPECT_EQ(shown.GetRadioIndex(IDC_EDIT_MODE_AM), 2);
    EXPECT_EQ(shown.GetRadioIndex(IDC_EDIT_AGC_SLOW), 0);
    EXPECT_EQ(shown.GetListSelection(IDC_EDIT_FILTER), 9);
    // The shift is switched off: the station gets none.
    EXPECT_EQ(shown.GetText(IDC_EDIT_PBSHIFT), "0");
    // Cancelled: nothing added.
    EXPECT_EQ(rig.window.RowCount(), 0);
    EXPECT_EQ(ControllerTestAccess::Stations(rig.controller).IsModified(), 0);
}

TEST_F(StationCommandsTest, TwoClicksOnOneHeaderBothSortAscending) {
    Show({StationRecord("b", 9000000, 0, 2, 28, 0), StationRecord("C", 6000000, 0, 2, 28, 0),
          StationRecord("a", 7000000, 0, 2, 28, 0)});
    for (int click = 0; click < 2; ++click) {
        commands.OnHeaderClick(1);
        EXPECT_EQ(Names(), (std::vector<std::string>{"a", "b", "C"})) << "click " << click;
    }
    for (int click = 0; click < 2; ++click) {
        commands.OnHeaderClick(0);
        EXPECT_EQ(Names(), (std::vector<std::string>{"C", "a", "b"})) << "click " << click;
    }
}

TEST_F(StationCommandsTest, NamesDifferingOnlyInCaseSortSideBySide) {
    Show({StationRecord("radio nord", 6000000, 0, 2, 28, 0),
          StationRecord("Radio Mitte", 7000000, 0, 2, 28, 0),
          StationRecord("RADIO NORD", 8000000, 0, 2, 28, 0),
          StationRecord("Radio Ost", 9000000, 0, 2, 28, 0)});
    commands.OnHeaderClick(1);
    const std::vector<std::string> names = Names();
    EXPECT_EQ(names[0], "Radio Mitte");
    EXPECT_EQ(names[3], "Radio Ost");
}

TEST_F(StationCommandsTest, AfterAUnitChangeTheRowsShowTheNewUnitInTheSameOrder) {
    Show({StationRecord("a", 7100000, 0, 2, 28, 0), StationRecord("b", 999000, 0, 2, 28, 0),
          StationRecord("c", 15000000, 0, 2, 28, 0)});
    const std::vector<std::string> kHzOrder = Names();
    ControllerTestAccess::Settings(rig.controller).DisplayMHz = 1;
    rig.controller.RefreshStationList();
    EXPECT_EQ(Names(), kHzOrder);
    EXPECT_EQ(rig.window.rows[1].frequencyText, " 7.100000");
}

struct TuneCase {
    const char* name;
    int shiftHz;
    int shiftOn;
};

class StationTuneTest : public StationCommandsTest,
                        public ::testing::WithParamInterface<TuneCase> {};

TEST_P(StationTuneTest, TuneSetsEveryValueAndShowsIt) {
    const TuneCase& c = GetParam();
    SetReceiver(6075000, 0, 2, 28, 1 - c.shiftOn, 600);
    Show({StationRecord("Target", 9580000, 3, 1, 5, c.shiftHz)});
    rig.window.SelectRow(0);
    rig.device.ClearRecords();

    commands.OnTune();

    const ProfileSettings& settings = ControllerTestAccess::Settings(rig.controller);
    EXPECT_EQ(settings.Frequency, 9580000);
    EXPECT_EQ(settings.Mode, 3);
    EXPECT_EQ(settings.AGC, 1);
    EXPECT_EQ(settings.Filter, 5);
    EXPECT_EQ(settings.PBShiftActive, c.shiftOn);
    EXPECT_EQ(settings.PBShift, c.shiftHz);
    EXPECT_EQ(rig.window.GetRadioIndex(kModeButtons[0]), 3);
    EXPECT_EQ(rig.window.GetRadioIndex(kAgcButtons[0]), 0);
    EXPECT_EQ(rig.window.GetRadioIndex(kFilterRangeButtons[0]), 0);
    EXPECT_EQ(rig.window.GetRadioIndex(kFilterPositionButtons[0]), 5);
    EXPECT_EQ(rig.window.GetCheck(IDC_PBS_ON), c.shiftOn);
    EXPECT_EQ(rig.window.GetSliderPosition(IDC_PBS_SLIDER), c.shiftHz);
    EXPECT_EQ(rig.window.GetText(IDC_PBS_TEXT), c.shiftOn ? std::to_string(c.shiftHz) : "");
    EXPECT_EQ(rig.window.frequencyText, "  9580.000 ");
    // Frequency first, then mode, AGC and filter, in this order.
    const std::vector<Bytes> sent = rig.Commands();
    ASSERT_GE(sent.size(), 4u);
    EXPECT_EQ(sent[0][0], 'N');
    EXPECT_EQ(sent[1][0], 'M');
    EXPECT_EQ(sent[3][0], 'G');
    // Tuning changes no station.
    EXPECT_EQ(ControllerTestAccess::Stations(rig.controller).IsModified(), 0);
}

INSTANTIATE_TEST_SUITE_P(Shifts, StationTuneTest,
                         ::testing::Values(TuneCase{"NoShiftSwitchesItOff", 0, 0},
                                           TuneCase{"ShiftSwitchesItOn", 250, 1},
                                           TuneCase{"NegativeShift", -100, 1}),
                         [](const auto& row) { return std::string(row.param.name); });

TEST_F(StationCommandsTest, UpdateOffersTheStationsNameAndKeepsTheRowInPlace) {
    Show({StationRecord("First", 6000000, 0, 2, 28, 0),
          StationRecord("Second", 7000000, 0, 2, 28, 0),
          StationRecord("Third", 8000000, 0, 2, 28, 0)});
    rig.window.SelectRow(1);
    const StationNode node = rig.window.GetRowData(1);
    // The receiver's shift is switched off: the station gets none, whatever the slider says.
    SetReceiver(21500000, 1, 3, 30, 0, 400);
    EditDialogAnswers(Press(IDOK));

    commands.OnUpdate();

    EXPECT_EQ(shown.GetText(IDC_EDIT_NAME), "Second");
    EXPECT_EQ(Names(), (std::vector<std::string>{"First", "Second", "Third"}));
    EXPECT_EQ(rig.window.GetRowData(1), node);
    EXPECT_EQ(rig.window.rows[1].frequencyText, "21500.000");
    ExpectValues(rig.StationAt(1), StationRecord("Second", 21500000, 1, 3, 30, 0));
}

TEST_F(StationCommandsTest, EditOffersTheStationsOwnValuesAndStoresTheEditedOnes) {
    Show({StationRecord("Old", 9580000, 2, 1, 7, -120)});
    SetReceiver(15000000, 0, 2, 28, 1, 500);
    rig.window.SelectRow(0);
    EditDialogAnswers([](DialogLogic& d, FakeDialogWindow& w) {
        EXPECT_EQ(w.GetText(IDC_EDIT_NAME), "Old");
        EXPECT_EQ(w.GetText(IDC_EDIT_FREQUENCY), " 9580.000");
        EXPECT_EQ(w.GetRadioIndex(IDC_EDIT_MODE_AM), 2);
        EXPECT_EQ(w.GetRadioIndex(IDC_EDIT_AGC_SLOW), 0);
        EXPECT_EQ(w.GetListSelection(IDC_EDIT_FILTER), 7);
        EXPECT_EQ(w.GetText(IDC_EDIT_PBSHIFT), "-120");
        w.SetText(IDC_EDIT_NAME, "");
        w.SetText(IDC_EDIT_FREQUENCY, "9590");
        d.OnCommand(w, IDOK);
    });

    commands.OnEdit();

    ASSERT_EQ(rig.host.modalTemplates, (std::vector<int>{IDD_STATION_EDIT}));
    // The empty name is stored as one blank, and the row shows it.
    EXPECT_EQ(rig.window.rows[0].name, " ");
    EXPECT_EQ(rig.window.rows[0].frequencyText, " 9590.000");
    ExpectValues(rig.StationAt(0), StationRecord(" ", 9590000, 2, 1, 7, -120));
    // The receiver was not asked and not changed.
    EXPECT_EQ(ControllerTestAccess::Settings(rig.controller).Frequency, 15000000);
}

TEST_F(StationCommandsTest, CancelledEditChangesNothing) {
    Show({StationRecord("Old", 9580000, 2, 1, 7, -120)});
    rig.window.SelectRow(0);
    EditDialogAnswers(Press(IDCANCEL));
    commands.OnEdit();
    EXPECT_EQ(rig.window.rows[0].name, "Old");
    EXPECT_EQ(ControllerTestAccess::Stations(rig.controller).IsModified(), 0);
}

TEST_F(StationCommandsTest, DeleteAnsweredNoChangesNothing) {
    Show({StationRecord("Keep", 9580000, 0, 2, 28, 0)});
    rig.window.SelectRow(0);
    rig.host.QueueAnswer(IDNO);
    commands.OnDelete();
    ASSERT_EQ(rig.host.messages.size(), 1u);
    EXPECT_EQ(rig.host.messages[0].text, "Do you really want to delete the selected station ?");
    EXPECT_EQ(rig.host.messages[0].buttons, MessageButtons::YesNo);
    EXPECT_EQ(rig.host.messages[0].icon, MessageIcon::Question);
    EXPECT_EQ(rig.window.RowCount(), 1);
    EXPECT_EQ(ControllerTestAccess::Stations(rig.controller).IsModified(), 0);
}

TEST_F(StationCommandsTest, DeleteAnsweredYesRemovesRowAndRecord) {
    Show({StationRecord("Keep", 6000000, 0, 2, 28, 0), StationRecord("Go", 7000000, 0, 2, 28, 0)});
    rig.window.SelectRow(1);
    rig.host.QueueAnswer(IDYES);
    commands.OnDelete();
    EXPECT_EQ(Names(), (std::vector<std::string>{"Keep"}));
    EXPECT_EQ(ControllerTestAccess::Stations(rig.controller).IsModified(), 1);
    StationNode cursor = kNoStation, node = kNoStation;
    StationRecord record;
    ASSERT_EQ(ControllerTestAccess::Stations(rig.controller).GetNext(cursor, node, record), 0);
    EXPECT_EQ(record.name, "Keep");
    EXPECT_EQ(cursor, kNoStation);
}

TEST_F(StationCommandsTest, DeleteRemovesTheStationAskedAboutThoughARowArrivedOnTop) {
    Show({StationRecord("Keep", 6000000, 0, 2, 28, 0), StationRecord("Go", 7000000, 0, 2, 28, 0)});
    rig.window.SelectRow(1);
    rig.host.QueueAnswer(IDYES);
    rig.host.whileMessageOpen = [this] { StationArrivesFromZelka(); };

    commands.OnDelete();

    ASSERT_EQ(rig.window.RowCount(), 2);
    EXPECT_EQ(rig.StationAt(0).frequency, kArrivalHz);
    EXPECT_EQ(rig.StationAt(1).name, "Keep");
}

TEST_F(StationCommandsTest, EditChangesTheStationItShowedThoughARowArrivedOnTop) {
    Show({StationRecord("First", 6000000, 0, 2, 28, 0),
          StationRecord("Second", 7000000, 0, 2, 28, 0)});
    rig.window.SelectRow(1);
    EditDialogAnswers([this](DialogLogic& d, FakeDialogWindow& w) {
        StationArrivesFromZelka();
        w.SetText(IDC_EDIT_NAME, "Renamed");
        d.OnCommand(w, IDOK);
    });

    commands.OnEdit();

    ASSERT_EQ(rig.window.RowCount(), 3);
    EXPECT_EQ(rig.StationAt(0).frequency, kArrivalHz);
    EXPECT_EQ(rig.window.rows[1].name, "First");
    EXPECT_EQ(rig.StationAt(1).name, "First");
    EXPECT_EQ(rig.window.rows[2].name, "Renamed");
    ExpectValues(rig.StationAt(2), StationRecord("Renamed", 7000000, 0, 2, 28, 0));
}

TEST_F(StationCommandsTest, AStationGoneWhileItsBoxWasOpenIsLeftAlone) {
    const StationRecord stay("Stay", 7000000, 0, 2, 28, 0);
    for (auto command : {&CStationCommands::OnEdit, &CStationCommands::OnDelete}) {
        Show({StationRecord("Gone", 6000000, 0, 2, 28, 0), stay});
        const StationNode gone = rig.window.GetRowData(0);
        rig.window.SelectRow(0);
        const auto removeGone = [&] {
            ASSERT_EQ(ControllerTestAccess::Stations(rig.controller).Remove(gone), 0);
            rig.controller.RefreshStationList();
        };
        EditDialogAnswers([&](DialogLogic& d, FakeDialogWindow& w) {
            removeGone();
            d.OnCommand(w, IDOK);
        });
        rig.host.answers = {IDYES};
        rig.host.whileMessageOpen = removeGone;

        (commands.*command)();

        EXPECT_EQ(Names(), (std::vector<std::string>{"Stay"}));
        ExpectValues(rig.StationAt(0), stay);
    }
}

struct NoSelectionCase {
    const char* name;
    void (CStationCommands::*command)();
    const char* message;
};

class StationNoSelectionTest : public StationCommandsTest,
                               public ::testing::WithParamInterface<NoSelectionCase> {};

TEST_P(StationNoSelectionTest, CommandStopsContinuousTuningAndNamesItsPurpose) {
    const NoSelectionCase& c = GetParam();
    Show({StationRecord("Unselected", 6000000, 0, 2, 28, 0)});
    rig.controller.ContinuousTuning(1, 1);
    ASSERT_TRUE(rig.clock.IsRunning(kRepeatTimer));
    rig.host.modalHandler = [](DialogLogic&) {
        ADD_FAILURE() << "no dialog expected";
        return IDCANCEL;
    };

    (commands.*c.command)();

    EXPECT_FALSE(rig.clock.IsRunning(kRepeatTimer));
    ASSERT_EQ(rig.host.messages.size(), 1u);
    EXPECT_EQ(rig.host.messages[0].text, c.message);
    EXPECT_EQ(rig.host.messages[0].buttons, MessageButtons::Ok);
    EXPECT_EQ(rig.window.RowCount(), 1);
}

INSTANTIATE_TEST_SUITE_P(
    Commands, StationNoSelectionTest,
    ::testing::Values(
        NoSelectionCase{"Tune", &CStationCommands::OnTune,
                        "No station selected !\n(Please select a station to be used for tuning)"},
        NoSelectionCase{"Update", &CStationCommands::OnUpdate,
                        "No station selected !\n(Please select a station to be updated)"},
        NoSelectionCase{"Edit", &CStationCommands::OnEdit,
                        "No station selected !\n(Please select a station to be edited)"},
        NoSelectionCase{"Delete", &CStationCommands::OnDelete,
                        "No station selected !\n(Please select a station to be deleted)"}),
    [](const auto& row) { return std::string(row.param.name); });

}  // namespace
