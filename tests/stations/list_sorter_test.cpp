#include "stations/commands/list_sorter.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "base/frequency_text.h"
#include "support/fake_main_window.h"

namespace {

using Texts = std::vector<std::string>;

class ListSorterTest : public ::testing::Test {
  protected:
    // One row per text, each in both columns; the row's data tells where it came from.
    void Fill(const Texts& texts) {
        for (std::size_t i = 0; i < texts.size(); ++i) {
            window.InsertRow(static_cast<int>(i), texts[i], texts[i], Node(i));
        }
    }
    Texts Column(int column) {
        Texts texts;
        for (int row = 0; row < window.RowCount(); ++row) {
            texts.push_back(window.GetRowText(row, column));
        }
        return texts;
    }
    // Where each row came from, by its original position.
    std::vector<int> Origins() {
        std::vector<int> origins;
        for (const auto& row : window.rows) origins.push_back(static_cast<int>(row.node) - 1);
        return origins;
    }
    // The data of the row first put at position.
    static StationNode Node(std::size_t position) { return static_cast<StationNode>(position + 1); }

    FakeMainWindow window;
};

TEST_F(ListSorterTest, NumbersSortByTheirLeadingValueWithZeroForNone) {
    Fill({" 7100.000", "  600.000", "none", "15000.000", " -3", "2.5e3 kHz"});
    CListSorter(window, 0).Sort(true, CListSorter::kNumber);
    EXPECT_EQ(Column(0),
              (Texts{" -3", "none", "  600.000", "2.5e3 kHz", " 7100.000", "15000.000"}));
    CListSorter(window, 0).Sort(false, CListSorter::kNumber);
    EXPECT_EQ(Column(0),
              (Texts{"15000.000", " 7100.000", "2.5e3 kHz", "  600.000", "none", " -3"}));
}

TEST_F(ListSorterTest, RowsWithEqualKeysKeepTheirOrderInBothDirections) {
    Fill({" 7100.000", "  600.000", "7100", " 600", "07100.0"});
    CListSorter(window, 0).Sort(true, CListSorter::kNumber);
    EXPECT_EQ(Origins(), (std::vector<int>{1, 3, 0, 2, 4}));
    CListSorter(window, 0).Sort(false, CListSorter::kNumber);
    EXPECT_EQ(Origins(), (std::vector<int>{0, 2, 4, 1, 3}));
}

TEST_F(ListSorterTest, TextFoldsOnlyTheLettersAToZ) {
    // '[' (0x5B) lies between 'Z' and 'a': only with the letters folded to lower case does it
    // come first; a character above 0x7F counts by its 8-bit code, after 'z'.
    Fill({"zeta", "\xE9t\xE9", "Bravo", "[x]", "alpha", "ALPHA", "bravo"});
    CListSorter(window, 1).Sort(true, CListSorter::kText);
    EXPECT_EQ(Column(1), (Texts{"[x]", "alpha", "ALPHA", "Bravo", "bravo", "zeta", "\xE9t\xE9"}));
}

TEST_F(ListSorterTest, ShorterTextComesBeforeItsLongerForm) {
    Fill({"Radio Nord", "radio", "Radio N"});
    CListSorter(window, 1).Sort(true, CListSorter::kText);
    EXPECT_EQ(Column(1), (Texts{"radio", "Radio N", "Radio Nord"}));
}

TEST_F(ListSorterTest, SortingKeepsEachRowWithItsDataAndTheSelection) {
    window.InsertRow(0, " 9000.000", "B", Node(0));
    window.InsertRow(1, " 6000.000", "A", Node(1));
    window.SelectRow(0);
    CListSorter(window, 0).Sort(true, CListSorter::kNumber);
    EXPECT_EQ(window.rows[0].node, Node(1));
    EXPECT_EQ(window.rows[0].name, "A");
    EXPECT_EQ(window.rows[1].node, Node(0));
    EXPECT_EQ(window.GetSelectedRow(), 1);
}

TEST_F(ListSorterTest, KilohertzAndMegahertzTextsGiveTheSameOrder) {
    const std::vector<int> frequenciesHz = {9580000, 100000,   15000000, 6075000,
                                            999999,  29999999, 1000000,  6074999};
    std::vector<std::vector<int>> orders;
    for (int displayMHz : {0, 1}) {
        window.DeleteAllRows();
        Texts texts;
        for (int hz : frequenciesHz) texts.push_back(FrequencyText(hz, displayMHz));
        Fill(texts);
        CListSorter(window, 0).Sort(true, CListSorter::kNumber);
        orders.push_back(Origins());
    }
    EXPECT_EQ(orders[0], (std::vector<int>{1, 4, 6, 7, 3, 0, 2, 5}));
    EXPECT_EQ(orders[1], orders[0]);
}

TEST_F(ListSorterTest, AnEmptyViewAndAnUnknownKindChangeNothing) {
    CListSorter(window, 0).Sort(true, CListSorter::kNumber);
    EXPECT_EQ(window.RowCount(), 0);
    Fill({"b", "a"});
    CListSorter(window, 1).Sort(true, 3);
    EXPECT_EQ(Column(1), (Texts{"b", "a"}));
}

}  // namespace
