// Station files made on Windows carry Windows-1252 names. The list shows them readable, and
// "Upd" and "Edit" must not write a name back in another encoding: a name the user left alone
// keeps its bytes, an edited one is stored in the encoding of its file.

#include <gtest/gtest.h>

#include <string>

#include "stations/commands/station_commands.h"
#include "support/controller_test_access.h"
#include "support/main_window_rig.h"
#include "support/scripted_dialog.h"
#include "support/temp_dir.h"

namespace {

struct EditCase {
    const char* name;
    const char* fileName;  // the name as the file has it
    const char* shown;     // in the row and the dialog
    const char* typed;     // null: left as shown
    const char* stored;
    const char* shownAfter;
};

class StationNameEncodingTest : public testing::TestWithParam<EditCase> {
  protected:
    MainWindowRig rig;
    CStationCommands commands{rig.controller, rig.host, rig.window, rig.dialog};
    FakeDialogWindow shown;
    TempDir dir;
};

TEST_P(StationNameEncodingTest, EditStoresTheNameInTheEncodingOfItsFile) {
    const EditCase& c = GetParam();
    const std::string path = dir.File("stations.tts");
    const std::string header = "240951\r\n1\r\n";
    const std::string values = "|6075000|0|2|28|0\r\n";
    rig.Start();
    ASSERT_TRUE(WriteWholeFile(path, header + c.fileName + values));
    ASSERT_EQ(ControllerTestAccess::Stations(rig.controller).Load(path), 0);
    rig.controller.RefreshStationList();
    EXPECT_EQ(rig.window.rows[0].name, c.shown);

    rig.window.SelectRow(0);
    rig.host.modalHandler = ShowDialogIn(shown, [&c](DialogLogic& d, FakeDialogWindow& w) {
        EXPECT_EQ(w.GetText(IDC_EDIT_NAME), c.shown);
        if (c.typed != nullptr) w.SetText(IDC_EDIT_NAME, c.typed);
        d.OnCommand(w, IDOK);
    });
    commands.OnEdit();

    EXPECT_EQ(rig.window.rows[0].name, c.shownAfter);
    ASSERT_EQ(ControllerTestAccess::Stations(rig.controller).Save(path), 0);
    EXPECT_EQ(ReadWholeFile(path), header + c.stored + values);
}

INSTANTIATE_TEST_SUITE_P(
    Files, StationNameEncodingTest,
    testing::Values(
        EditCase{"Windows1252Untouched", "Espa\xF1ol", "Español", nullptr, "Espa\xF1ol", "Español"},
        EditCase{"Windows1252Edited", "Espa\xF1ol", "Español", "Málaga", "M\xE1laga", "Málaga"},
        EditCase{"Windows1252HasNoGreek", "Espa\xF1ol", "Español", "Ωmega", "?mega", "?mega"},
        EditCase{"Utf8Edited", "Español", "Español", "Málaga", "M\xC3\xA1laga", "Málaga"},
        EditCase{"AsciiCountsAsUtf8", "Madrid", "Madrid", "Ωmega", "\xCE\xA9mega", "Ωmega"}),
    [](const auto& row) { return std::string(row.param.name); });

}  // namespace
