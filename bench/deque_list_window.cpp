#include "deque_list_window.h"

void DequeListWindow::InsertRow(int row, const std::string& frequency, const std::string& name,
                                StationNode node) {
    if (!Valid(row)) row = RowCount();
    rows_.insert(rows_.begin() + row, Row{frequency, name, node});
}

void DequeListWindow::SetRowText(int row, int column, const std::string& text) {
    if (Valid(row)) (column == 0 ? rows_[row].frequencyText : rows_[row].name) = text;
}

std::string DequeListWindow::GetRowText(int row, int column) {
    if (!Valid(row)) return {};
    return column == 0 ? rows_[row].frequencyText : rows_[row].name;
}

StationNode DequeListWindow::GetRowData(int row) {
    return Valid(row) ? rows_[row].node : kNoStation;
}

int DequeListWindow::FindRow(StationNode node) {
    for (int row = 0; row < RowCount(); ++row) {
        if (rows_[row].node == node) return row;
    }
    return -1;
}

void DequeListWindow::DeleteRow(int row) {
    if (Valid(row)) rows_.erase(rows_.begin() + row);
}

void DequeListWindow::ReorderRows(const std::vector<int>& newOrder) {
    if (newOrder.size() != rows_.size()) return;
    for (const int from : newOrder) {
        if (!Valid(from)) return;
    }
    std::deque<Row> reordered;
    for (const int from : newOrder) reordered.push_back(std::move(rows_[from]));
    rows_ = std::move(reordered);
}
