// The station list's rows as the logic sees them: two texts and the station's node per row, held
// by the view's model.

#include <QItemSelectionModel>
#include <QTreeView>
#include <utility>
#include <vector>

#include "platform/qt/main_window.h"
#include "platform/qt/station_list_model.h"

int MainWindow::ListClientWidth() {
    return stations_->viewport()->width();
}

void MainWindow::SetupListColumns(int frequencyWidth, int stationWidth) {
    stations_->setColumnWidth(0, frequencyWidth);
    stations_->setColumnWidth(1, stationWidth);
}

void MainWindow::FocusStationList() {
    stations_->setFocus(Qt::OtherFocusReason);
}

int MainWindow::RowCount() {
    return stationRows_->RowCount();
}

void MainWindow::InsertRow(int row, const std::string& frequencyText, const std::string& name,
                           StationNode node) {
    stationRows_->Insert(row, StationListRow{frequencyText, name, node});
}

void MainWindow::SetRowText(int row, int column, const std::string& text) {
    stationRows_->SetText(row, column, text);
}

std::string MainWindow::GetRowText(int row, int column) {
    return stationRows_->Text(row, column);
}

StationNode MainWindow::GetRowData(int row) {
    return stationRows_->Node(row);
}

int MainWindow::FindRow(StationNode node) {
    return stationRows_->Find(node);
}

void MainWindow::DeleteRow(int row) {
    if (row < 0 || row >= RowCount()) return;
    // The view would select the row that moves up into the deleted one's place, and the next
    // command would act on a station nobody picked; only the selection the user made stays.
    QItemSelectionModel* selection = stations_->selectionModel();
    std::vector<QPersistentModelIndex> kept;
    for (const QModelIndex& selected : selection->selectedRows()) {
        if (selected.row() != row) kept.emplace_back(selected);
    }
    stationRows_->Remove(row);
    selection->clearSelection();
    for (const QPersistentModelIndex& selected : kept) {
        selection->select(selected, QItemSelectionModel::Select | QItemSelectionModel::Rows);
    }
}

void MainWindow::DeleteAllRows() {
    stationRows_->ReplaceAll({});
}

int MainWindow::GetSelectedRow() {
    const QModelIndexList selected = stations_->selectionModel()->selectedRows();
    return selected.isEmpty() ? -1 : selected.constFirst().row();
}

void MainWindow::SelectRow(int row) {
    if (row < 0 || row >= RowCount()) return;
    const QModelIndex index = stationRows_->index(row, 0);
    stations_->setCurrentIndex(index);
    stations_->selectionModel()->select(index,
                                        QItemSelectionModel::Select | QItemSelectionModel::Rows);
    stations_->scrollTo(index, QAbstractItemView::EnsureVisible);
}

void MainWindow::ReorderRows(const std::vector<int>& newOrder) {
    stationRows_->Reorder(newOrder);
}

void MainWindow::ReplaceAllRows(std::vector<StationListRow> rows) {
    stationRows_->ReplaceAll(std::move(rows));
}
