// A station name typed or pasted with a line break in it must not make the station file
// unreadable: the reader ends a station line at the line break, so the file would fail to load
// ("Error reading the station file.") and every station in it would be gone from the program.
// Whether the Station dialog refuses such a name or mends it, what it lets through has to come
// back from the file. Found by fuzz/number_entry_fuzz.cpp.

#include <gtest/gtest.h>

#include <string>

#include "stations/commands/station_commands.h"
#include "stations/station_list.h"
#include "support/controller_test_access.h"
#include "support/main_window_rig.h"
#include "support/row_name.h"
#include "support/scripted_dialog.h"
#include "support/temp_dir.h"

namespace {

struct NameCase {
    const char* name;
    const char* typed;
};

class StationNameLineBreakTest : public testing::TestWithParam<NameCase> {
  protected:
    void SetUp() override {
        rig.Start();
        StationNode node = kNoStation;
        ASSERT_EQ(ControllerTestAccess::Stations(rig.controller)
                      .Add(StationRecord("Old favourite", 6075000, 0, 2, 28, 0), node),
                  0);
        rig.controller.RefreshStationList();
    }

    // Saves the list and loads the file again; the number of stations that came back, -1 when
    // the file could not be loaded.
    int StationsAfterSaveAndLoad() {
        const std::string path = dir.File("stations.tts");
        if (ControllerTestAccess::Stations(rig.controller).Save(path) != 0) return -1;
        CStationList reread;
        if (reread.Load(path) != 0) return -1;
        int count = 0;
        StationNode cursor = kNoStation;
        StationNode node = kNoStation;
        StationRecord record;
        if (reread.GetNext(cursor, node, record) != 0) return 0;
        cursor = kNoStation;
        while (reread.GetNext(cursor, node, record) == 0) {
            ++count;
            if (cursor == kNoStation) break;
        }
        return count;
    }

    MainWindowRig rig;
    CStationCommands commands{rig.controller, rig.host, rig.window, rig.dialog};
    FakeDialogWindow shown;
    TempDir dir;
};

TEST_P(StationNameLineBreakTest, AddedStationLeavesTheFileReadable) {
    const std::string typed = GetParam().typed;
    rig.host.modalHandler = ShowDialogIn(shown, [&](DialogLogic& d, FakeDialogWindow& w) {
        w.SetText(IDC_EDIT_NAME, typed);
        d.OnCommand(w, IDOK);
    });
    commands.OnAdd();
    const int listed = rig.window.RowCount();
    EXPECT_EQ(StationsAfterSaveAndLoad(), listed);
}

TEST_P(StationNameLineBreakTest, EditedStationLeavesTheFileReadable) {
    const std::string typed = GetParam().typed;
    rig.window.SelectRow(0);
    rig.host.modalHandler = ShowDialogIn(shown, [&](DialogLogic& d, FakeDialogWindow& w) {
        w.SetText(IDC_EDIT_NAME, typed);
        d.OnCommand(w, IDOK);
    });
    commands.OnEdit();
    EXPECT_EQ(StationsAfterSaveAndLoad(), 1);
}

INSTANTIATE_TEST_SUITE_P(Names, StationNameLineBreakTest,
                         testing::Values(NameCase{"LineFeedInside", "Radio\nHabana"},
                                         NameCase{"CrLfInside", "BBC\r\nWorld Service"},
                                         NameCase{"LineFeedFirst", "\no\\"},
                                         NameCase{"LineFeedLast", "Voice of Turkey\n"}),
                         RowName());

}  // namespace
