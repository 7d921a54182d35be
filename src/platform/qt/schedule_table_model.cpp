#include "platform/qt/schedule_table_model.h"

#include "schedule/schedule_columns.h"

void ScheduleTableModel::SetRows(const std::vector<const ScheduleEntry*>& rows) {
    beginResetModel();
    rows_ = rows;
    endResetModel();
}

const ScheduleEntry* ScheduleTableModel::EntryAt(int row) const {
    return row >= 0 && row < static_cast<int>(rows_.size()) ? rows_[static_cast<std::size_t>(row)]
                                                            : nullptr;
}

int ScheduleTableModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(rows_.size());
}

int ScheduleTableModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : kScheduleColumnCount;
}

QVariant ScheduleTableModel::data(const QModelIndex& index, int role) const {
    const ScheduleEntry* entry = EntryAt(index.row());
    if (entry == nullptr) return {};
    if (role == Qt::DisplayRole) {
        return QString::fromStdString(ScheduleCellText(*entry, index.column()));
    }
    if (role == Qt::TextAlignmentRole &&
        index.column() == static_cast<int>(ScheduleColumn::Frequency)) {
        return (Qt::AlignRight | Qt::AlignVCenter).toInt();
    }
    return {};
}

QVariant ScheduleTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole) return {};
    return QString::fromStdString(ScheduleColumnTitle(section));
}
