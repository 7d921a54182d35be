#pragma once

#include <deque>
#include <string>
#include <vector>

#include "support/fake_main_window.h"

// The in-memory main window with a list view that inserts at the front in constant time, as a
// real list control does. The test fake keeps its rows in a vector, whose front insertion would
// make filling a big list cost quadratic time that the program itself does not spend.
class DequeListWindow : public FakeMainWindow {
  public:
    int RowCount() override { return static_cast<int>(rows_.size()); }
    void InsertRow(int row, const std::string& frequencyText, const std::string& name,
                   StationNode node) override;
    void SetRowText(int row, int column, const std::string& text) override;
    std::string GetRowText(int row, int column) override;
    StationNode GetRowData(int row) override;
    int FindRow(StationNode node) override;
    void DeleteRow(int row) override;
    void DeleteAllRows() override { rows_.clear(); }
    int GetSelectedRow() override { return -1; }
    void SelectRow(int) override {}
    void ReorderRows(const std::vector<int>& newOrder) override;

  private:
    bool Valid(int row) const { return row >= 0 && row < static_cast<int>(rows_.size()); }
    std::deque<Row> rows_;
};
