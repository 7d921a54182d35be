#include "support/fake_main_window.h"

#include <cstddef>

const std::vector<int>& FakeMainWindow::StepButtons() {
    static const std::vector<int> ids{IDC_STEP_1HZ,   IDC_STEP_5HZ,   IDC_STEP_10HZ,
                                      IDC_STEP_50HZ,  IDC_STEP_100HZ, IDC_STEP_500HZ,
                                      IDC_STEP_1KHZ,  IDC_STEP_5KHZ,  IDC_STEP_9KHZ,
                                      IDC_STEP_10KHZ, IDC_STEP_50KHZ, IDC_STEP_100KHZ};
    return ids;
}

const std::vector<int>& FakeMainWindow::ModeButtons() {
    static const std::vector<int> ids{IDC_MODE_AM, IDC_MODE_USB, IDC_MODE_LSB, IDC_MODE_CW};
    return ids;
}

const std::vector<int>& FakeMainWindow::AgcButtons() {
    static const std::vector<int> ids{IDC_AGC_SLOW, IDC_AGC_MED, IDC_AGC_FAST};
    return ids;
}

const std::vector<int>& FakeMainWindow::RangeButtons() {
    static const std::vector<int> ids{IDC_RANGE_0, IDC_RANGE_1, IDC_RANGE_2, IDC_RANGE_3};
    return ids;
}

const std::vector<int>& FakeMainWindow::PositionButtons() {
    static const std::vector<int> ids{IDC_FILTER_POS_0, IDC_FILTER_POS_1, IDC_FILTER_POS_2,
                                      IDC_FILTER_POS_3, IDC_FILTER_POS_4, IDC_FILTER_POS_5,
                                      IDC_FILTER_POS_6, IDC_FILTER_POS_7, IDC_FILTER_POS_8};
    return ids;
}

FakeMainWindow::FakeMainWindow() {
    dialog.DeclareRadioGroup(StepButtons());
    dialog.DeclareRadioGroup(ModeButtons());
    dialog.DeclareRadioGroup(AgcButtons());
    dialog.DeclareRadioGroup(RangeButtons());
    dialog.DeclareRadioGroup(PositionButtons());
}

void FakeMainWindow::InsertRow(int row, const std::string& frequency, const std::string& name,
                               StationNode node) {
    if (row < 0 || row > RowCount()) row = RowCount();
    rows.insert(rows.begin() + row, Row{frequency, name, node});
    if (selectedRow >= row) ++selectedRow;
}

void FakeMainWindow::SetRowText(int row, int column, const std::string& text) {
    if (!ValidRow(row)) return;
    (column == 0 ? rows[row].frequencyText : rows[row].name) = text;
}

std::string FakeMainWindow::GetRowText(int row, int column) {
    if (!ValidRow(row)) return {};
    return column == 0 ? rows[row].frequencyText : rows[row].name;
}

StationNode FakeMainWindow::GetRowData(int row) {
    return ValidRow(row) ? rows[row].node : kNoStation;
}

int FakeMainWindow::FindRow(StationNode node) {
    for (int row = 0; row < RowCount(); ++row) {
        if (rows[row].node == node) return row;
    }
    return -1;
}

void FakeMainWindow::DeleteRow(int row) {
    if (!ValidRow(row)) return;
    rows.erase(rows.begin() + row);
    if (selectedRow == row) {
        selectedRow = -1;
    } else if (selectedRow > row) {
        --selectedRow;
    }
}

void FakeMainWindow::DeleteAllRows() {
    rows.clear();
    selectedRow = -1;
}

void FakeMainWindow::SelectRow(int row) {
    if (!ValidRow(row)) return;
    selectedRow = row;
    dialog.SetFocus(IDC_STATION_LIST);
}

void FakeMainWindow::ReorderRows(const std::vector<int>& newOrder) {
    if (newOrder.size() != rows.size()) return;
    std::vector<Row> reordered;
    reordered.reserve(rows.size());
    int newSelection = -1;
    for (std::size_t i = 0; i < newOrder.size(); ++i) {
        if (!ValidRow(newOrder[i])) return;
        reordered.push_back(rows[newOrder[i]]);
        if (newOrder[i] == selectedRow) newSelection = static_cast<int>(i);
    }
    rows = std::move(reordered);
    selectedRow = newSelection;
}

void FakeMainWindow::ShowSignalMeter(int currentDb, int averageDb) {
    meterCurrentDb = currentDb;
    meterAverageDb = averageDb;
    ++meterUpdates;
}

void FakeMainWindow::SetupListColumns(int frequencyWidth, int stationWidth) {
    columnWidths = {frequencyWidth, stationWidth};
}

bool FakeMainWindow::GetWindowPlacement(WindowPlacement& out) {
    if (!placementReadable) return false;
    out = placement;
    return true;
}

void FakeMainWindow::MoveWindowTo(int left, int top) {
    moves.emplace_back(left, top);
    const int width = placement.right - placement.left;
    const int height = placement.bottom - placement.top;
    placement.left = left;
    placement.top = top;
    placement.right = left + width;
    placement.bottom = top + height;
}
