#include "platform/win32/win32_main_window.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "ui/main_window_radio_groups.h"

namespace {

// The main window made from the program's own template (linked into this test), hidden.
class Win32MainWindowTest : public ::testing::Test {
  protected:
    void SetUp() override {
        INITCOMMONCONTROLSEX controls{sizeof controls, ICC_BAR_CLASSES | ICC_LISTVIEW_CLASSES};
        ::InitCommonControlsEx(&controls);
        ASSERT_TRUE(window.Create()) << "needs a display (under Wine: DISPLAY)";
    }

    Win32MainWindow window;
};

StationNode Node(std::uintptr_t value) {
    return static_cast<StationNode>(value);
}

template <std::size_t N>
void ExpectGroupOf(Win32MainWindow& window, const std::array<int, N>& buttons) {
    // Every button checks its own index and no button of a neighbouring group.
    for (std::size_t i = 0; i < N; ++i) {
        window.SetRadioIndex(buttons[0], static_cast<int>(i));
        EXPECT_EQ(window.GetRadioIndex(buttons[0]), static_cast<int>(i)) << buttons[0];
        for (std::size_t j = 0; j < N; ++j) EXPECT_EQ(window.GetCheck(buttons[j]), i == j ? 1 : 0);
    }
    window.SetRadioIndex(buttons[0], -1);
    EXPECT_EQ(window.GetRadioIndex(buttons[0]), -1);
}

}  // namespace

TEST_F(Win32MainWindowTest, TheTemplatesRadioGroupsEndWhereTheLogicsGroupsEnd) {
    ExpectGroupOf(window, kStepButtons);
    ExpectGroupOf(window, kModeButtons);
    ExpectGroupOf(window, kAgcButtons);
    ExpectGroupOf(window, kFilterRangeButtons);
    ExpectGroupOf(window, kFilterPositionButtons);
    // Each group keeps its index while the others change: no group runs into the next.
    const int firsts[] = {kStepButtons[0], kModeButtons[0], kAgcButtons[0], kFilterRangeButtons[0],
                          kFilterPositionButtons[0]};
    for (int first : firsts) window.SetRadioIndex(first, 1);
    for (int changed : firsts) {
        window.SetRadioIndex(changed, 0);
        for (int other : firsts) EXPECT_EQ(window.GetRadioIndex(other), other == changed ? 0 : 1);
        window.SetRadioIndex(changed, 1);
    }
}

TEST_F(Win32MainWindowTest, SlidersKeepTheirRangeAndTextsRoundTripAsUtf8) {
    window.SetupSlider(IDC_PBS_SLIDER, -1000, 1000, 200, 1, 20);
    window.SetSliderPosition(IDC_PBS_SLIDER, -1500);
    EXPECT_EQ(window.GetSliderPosition(IDC_PBS_SLIDER), -1000);
    window.SetSliderPosition(IDC_PBS_SLIDER, 250);
    EXPECT_EQ(window.GetSliderPosition(IDC_PBS_SLIDER), 250);
    window.SetText(IDC_STATION_FILE_NAME, "Sender \xC3\xBC.tts");
    EXPECT_EQ(window.GetText(IDC_STATION_FILE_NAME), "Sender \xC3\xBC.tts");
    // An id the template lacks is ignored, not a crash.
    window.SetText(4242, "x");
    EXPECT_EQ(window.GetText(4242), "");
}

TEST_F(Win32MainWindowTest, RowsKeepTheirStationThroughInsertReorderAndDelete) {
    window.SetupListColumns(60, 180);
    const std::string longName(3000, 'n');
    window.InsertRow(0, "6075.000", "Deutsche Welle", Node(11));
    window.InsertRow(0, "9580.000", longName, Node(22));
    window.InsertRow(5, "5505.000", "Shannon VOLMET", Node(33));  // past the end: appended
    ASSERT_EQ(window.RowCount(), 3);
    EXPECT_EQ(window.GetRowText(0, 1), longName);
    EXPECT_EQ(window.FindRow(Node(33)), 2);

    window.SelectRow(1);
    window.ReorderRows({2, 1, 0});
    EXPECT_EQ(window.GetRowData(0), Node(33));
    EXPECT_EQ(window.GetRowData(2), Node(22));
    EXPECT_EQ(window.GetSelectedRow(), 1);  // the selection moved with its row
    window.ReorderRows({0, 0, 1});          // not a permutation: nothing moves
    EXPECT_EQ(window.GetRowData(0), Node(33));

    window.DeleteRow(0);
    EXPECT_EQ(window.FindRow(Node(33)), -1);
    EXPECT_EQ(window.GetRowData(7), kNoStation);
    window.DeleteAllRows();
    EXPECT_EQ(window.RowCount(), 0);
}
