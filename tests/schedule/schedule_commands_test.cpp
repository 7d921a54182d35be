#include "schedule/schedule_commands.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "schedule/schedule_texts.h"
#include "schedule/schedule_view.h"
#include "schedule_test_time.h"
#include "support/controller_test_access.h"
#include "support/main_window_rig.h"
#include "support/temp_dir.h"

namespace {

// The schedule window in memory: what it was told to list and which rows the user selected.
struct FakeScheduleView : ScheduleView {
    void Present() override {}
    void ShowRows(const std::vector<const ScheduleEntry*>& shown) override {
        rows.clear();
        for (const ScheduleEntry* entry : shown) rows.push_back(entry->station);
    }
    void ShowStatus(const std::string& text) override { status = text; }
    std::vector<int> SelectedRows() override { return selected; }

    std::vector<std::string> rows;
    std::string status;
    std::vector<int> selected;
};

using Names = std::vector<std::string>;

// Windows-1252, CR LF, a header and one row the reader cannot take (line 6).
const std::string kScheduleFile =
    "kHz:75;Time(UTC):93;Days:59;ITU:49;Station:201;Lng:49;Target:62;Remarks:135;P:35;Start:60;"
    "Stop:60;\r\n"
    "6075;0000-2400;;D;DW;G;Eu\r\n"
    "6075;1200-1300;;D;Noon Show;E;Eu\r\n"
    "8473;0000-2400;;;Coast Radio;-CW;Atl\r\n"
    "16.4;0000-2400;;;VLF Beacon;-CW\r\n"
    "9580;9999-0000;;;Broken\r\n"
    "9580;0000-2400;;E;R.Exterior de Espa\xF1"
    "a;S;Am\r\n";

class ScheduleCommandsTest : public testing::Test, public MainWindowRig {
  protected:
    void SetUp() override {
        clock.SetUtc(Utc(2025, 3, 3, 11, 59));
        path = temp.File("sked-b25.csv");
        ASSERT_TRUE(WriteWholeFile(path, kScheduleFile));
        dialog.SetSchedule(&schedule);
        schedule.SetView(&view);
    }

    ProfileSettings& Settings() { return ControllerTestAccess::Settings(controller); }

    // The file chosen through "Open file...".
    void Open(const std::string& file) {
        host.QueueFile(file);
        schedule.OnOpenFile();
    }

    std::string OnAirLine() { return window.GetText(IDC_ON_AIR); }

    TempDir temp;
    std::string path;
    FakeScheduleView view;
    ScheduleCommands schedule{controller, clock, host, dialog, window, window};
};

TEST_F(ScheduleCommandsTest, AFileMissingAtStartIsSaidOnceAndTheProfileKeepsIt) {
    const std::string missing = temp.File("gone.csv");
    Settings().ScheduleFile = missing;
    schedule.LoadAtStart();
    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_EQ(host.messages[0].text,
              ScheduleLoadProblemText(ScheduleLoadStatus::CannotOpen, missing));
    EXPECT_TRUE(schedule.GetSchedule().Entries().empty());
    EXPECT_EQ(Settings().ScheduleFile, missing);
    Start();
    EXPECT_EQ(OnAirLine(), "");
    EXPECT_EQ(host.messages.size(), 1u);
}

TEST_F(ScheduleCommandsTest, AnOpenedFileIsRememberedAndAFailedOpenKeepsTheSchedule) {
    Open(path);
    EXPECT_EQ(Settings().ScheduleFile, path);
    EXPECT_EQ(host.fileDialogs.at(0).filter, "Schedule Files (*.csv)|*.csv|All Files (*.*)|*.*||");
    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_EQ(host.messages[0].text, SkippedRowsText(schedule.GetSchedule().SkippedRows()));
    EXPECT_EQ(view.rows, (Names{"VLF Beacon", "DW", "Coast Radio",
                                "R.Exterior de Espa\xC3\xB1"
                                "a"}));
    EXPECT_EQ(view.status, "sked-b25.csv: 5 broadcasts, 4 listed as on air now.");

    Open(temp.File("gone.csv"));
    EXPECT_EQ(host.messages.size(), 2u);
    EXPECT_EQ(Settings().ScheduleFile, path);
    EXPECT_EQ(schedule.GetSchedule().Entries().size(), 5u);
    EXPECT_EQ(view.rows.size(), 4u);
}

TEST_F(ScheduleCommandsTest, TheLineAndTheNearListFollowTheFrequencyAndTheMinute) {
    Settings().ScheduleFile = path;
    Settings().Frequency = 6075000;
    schedule.LoadAtStart();
    Start();
    schedule.OnNearTuned(true);
    EXPECT_EQ(OnAirLine(), "On air: DW (G)");
    EXPECT_EQ(view.rows, (Names{"DW"}));
    clock.Advance(60000);
    EXPECT_EQ(OnAirLine(), "On air: DW (G), Noon Show (E)");
    EXPECT_EQ(view.rows, (Names{"DW", "Noon Show"}));
    controller.SetFrequency(8470000);
    EXPECT_EQ(OnAirLine(), "On air: nothing scheduled");
    EXPECT_EQ(view.rows, (Names{"Coast Radio"}));
}

TEST_F(ScheduleCommandsTest, ARowTunesItsFrequencyInAmOrCwAndAnUntunableOneOnlyBeeps) {
    Open(path);
    Start();
    controller.SetMode(1);
    schedule.OnTuneRow(2);  // Coast Radio, Morse
    EXPECT_EQ(Settings().Frequency, 8473000);
    EXPECT_EQ(Settings().Mode, 3);
    EXPECT_EQ(dialog.ModeIndex(), 3);
    schedule.OnTuneRow(1);  // DW
    EXPECT_EQ(Settings().Frequency, 6075000);
    EXPECT_EQ(dialog.ModeIndex(), 0);
    device.ClearRecords();
    schedule.OnTuneRow(0);  // 16.4 kHz, below the receiver's range
    schedule.OnTuneRow(4);  // no such row
    EXPECT_EQ(host.beeps, 1);
    EXPECT_TRUE(Commands().empty());
    EXPECT_EQ(Settings().Frequency, 6075000);
}

TEST_F(ScheduleCommandsTest, SelectedRowsBecomeStationsOnTopInTheirOrder) {
    Open(path);
    Start();
    schedule.OnAddSelected();
    EXPECT_EQ(
        host.messages.back().text,
        "No broadcast selected !\n(Please select the broadcasts to be added to the stations)");
    view.selected = {0, 2, 3};
    schedule.OnAddSelected();
    EXPECT_EQ(host.beeps, 1);  // 16.4 kHz cannot be a station
    ASSERT_EQ(window.rows.size(), 2u);
    EXPECT_EQ(window.rows[0].name, "Coast Radio (-CW, Atl)");
    EXPECT_EQ(window.rows[1].name,
              "R.Exterior de Espa\xC3\xB1"
              "a (S, Am)");
    EXPECT_EQ(window.selectedRow, 0);
    const StationRecord coast = StationAt(0);
    EXPECT_EQ(coast.frequency, 8473000);
    EXPECT_EQ(coast.mode, 3);
    EXPECT_EQ(coast.agc, Settings().AGC);
    EXPECT_EQ(coast.filter, Settings().Filter);
    EXPECT_EQ(controller.Stations().IsModified(), 1);
}

}  // namespace
