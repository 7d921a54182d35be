// The station list's rows as the logic sees them: two texts and the station's node per row.

#include <QTreeWidget>
#include <algorithm>
#include <vector>

#include "platform/qt/main_window.h"

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

StationNode MainWindow::NodeOf(const QTreeWidgetItem& item) {
    return static_cast<StationNode>(item.data(0, Qt::UserRole).value<quintptr>());
}

QTreeWidgetItem* MainWindow::Row(int row) const {
    return row >= 0 && row < stations_->topLevelItemCount() ? stations_->topLevelItem(row)
                                                            : nullptr;
}

int MainWindow::RowCount() {
    return stations_->topLevelItemCount();
}

void MainWindow::InsertRow(int row, const std::string& frequencyText, const std::string& name,
                           StationNode node) {
    auto* item = new QTreeWidgetItem;
    item->setText(0, QString::fromStdString(frequencyText));
    item->setTextAlignment(0, Qt::AlignRight | Qt::AlignVCenter);
    item->setText(1, QString::fromStdString(name));
    item->setData(0, Qt::UserRole, QVariant::fromValue(static_cast<quintptr>(node)));
    stations_->insertTopLevelItem(std::clamp(row, 0, RowCount()), item);
}

void MainWindow::SetRowText(int row, int column, const std::string& text) {
    if (QTreeWidgetItem* item = Row(row)) {
        item->setText(column, QString::fromStdString(text));
    }
}

std::string MainWindow::GetRowText(int row, int column) {
    QTreeWidgetItem* item = Row(row);
    return item == nullptr ? std::string() : item->text(column).toStdString();
}

StationNode MainWindow::GetRowData(int row) {
    QTreeWidgetItem* item = Row(row);
    return item == nullptr ? kNoStation : NodeOf(*item);
}

int MainWindow::FindRow(StationNode node) {
    for (int row = 0; row < stations_->topLevelItemCount(); ++row) {
        if (NodeOf(*stations_->topLevelItem(row)) == node) {
            return row;
        }
    }
    return -1;
}

void MainWindow::DeleteRow(int row) {
    QTreeWidgetItem* item = Row(row);
    if (item == nullptr) {
        return;
    }
    // The view would select the row that moves up into the deleted one's place, and the next
    // command would act on a station nobody picked; only the selection the user made stays.
    QList<QTreeWidgetItem*> kept = stations_->selectedItems();
    kept.removeAll(item);
    delete stations_->takeTopLevelItem(row);
    stations_->clearSelection();
    for (QTreeWidgetItem* selected : kept) {
        selected->setSelected(true);
    }
}

void MainWindow::DeleteAllRows() {
    stations_->clear();
}

int MainWindow::GetSelectedRow() {
    const QList<QTreeWidgetItem*> selected = stations_->selectedItems();
    return selected.isEmpty() ? -1 : stations_->indexOfTopLevelItem(selected.constFirst());
}

void MainWindow::SelectRow(int row) {
    if (QTreeWidgetItem* item = Row(row)) {
        stations_->setCurrentItem(item);
        item->setSelected(true);
        stations_->scrollToItem(item, QAbstractItemView::EnsureVisible);
    }
}

void MainWindow::ReorderRows(const std::vector<int>& newOrder) {
    const int count = RowCount();
    std::vector<int> check = newOrder;
    std::sort(check.begin(), check.end());
    for (int i = 0; i < static_cast<int>(check.size()); ++i) {
        if (check[i] != i) {
            return;  // not a permutation of the rows
        }
    }
    if (static_cast<int>(check.size()) != count) {
        return;
    }
    // Rows keep their selection and the current row across the move, as a sort in place does.
    QTreeWidgetItem* current = stations_->currentItem();
    const QList<QTreeWidgetItem*> selected = stations_->selectedItems();
    std::vector<QTreeWidgetItem*> items(count);
    for (int i = count - 1; i >= 0; --i) {
        items[i] = stations_->takeTopLevelItem(i);
    }
    for (int oldIndex : newOrder) {
        stations_->addTopLevelItem(items[oldIndex]);
    }
    if (current != nullptr) {
        stations_->setCurrentItem(current, 0, QItemSelectionModel::NoUpdate);
    }
    for (QTreeWidgetItem* item : selected) {
        item->setSelected(true);
    }
}
