#include "platform/qt/station_list_model.h"

#include <algorithm>
#include <utility>

namespace {

constexpr int kColumnCount = 2;
// The frequency column reads like numbers: right-aligned, header included.
constexpr Qt::Alignment kFrequencyAlignment = Qt::AlignRight | Qt::AlignVCenter;

// The text of column 0 or 1, null for another column; const as row is.
template <typename Row>
auto Cell(Row& row, int column) -> decltype(&row.name) {
    if (column == 0) return &row.frequencyText;
    if (column == 1) return &row.name;
    return nullptr;
}

}  // namespace

void StationListModel::Insert(int row, StationListRow values) {
    row = std::clamp(row, 0, RowCount());
    beginInsertRows(QModelIndex(), row, row);
    rows_.insert(rows_.begin() + row, std::move(values));
    endInsertRows();
}

void StationListModel::SetText(int row, int column, const std::string& text) {
    if (!Valid(row)) return;
    if (std::string* cell = Cell(rows_[static_cast<std::size_t>(row)], column)) {
        *cell = text;
        const QModelIndex changed = index(row, column);
        emit dataChanged(changed, changed, {Qt::DisplayRole});
    }
}

std::string StationListModel::Text(int row, int column) const {
    if (!Valid(row)) return {};
    const std::string* cell = Cell(rows_[static_cast<std::size_t>(row)], column);
    return cell != nullptr ? *cell : std::string();
}

StationNode StationListModel::Node(int row) const {
    return Valid(row) ? rows_[static_cast<std::size_t>(row)].node : kNoStation;
}

int StationListModel::Find(StationNode node) const {
    const auto found = std::find_if(rows_.begin(), rows_.end(),
                                    [node](const StationListRow& row) { return row.node == node; });
    return found != rows_.end() ? static_cast<int>(found - rows_.begin()) : -1;
}

void StationListModel::Remove(int row) {
    if (!Valid(row)) return;
    beginRemoveRows(QModelIndex(), row, row);
    rows_.erase(rows_.begin() + row);
    endRemoveRows();
}

void StationListModel::ReplaceAll(std::vector<StationListRow> rows) {
    beginResetModel();
    rows_ = std::move(rows);
    endResetModel();
}

void StationListModel::Reorder(const std::vector<int>& newOrder) {
    const std::size_t count = rows_.size();
    if (newOrder.size() != count) return;
    std::vector<int> newRowOf(count, -1);
    for (std::size_t i = 0; i < count; ++i) {
        const int old = newOrder[i];
        if (old < 0 || static_cast<std::size_t>(old) >= count || newRowOf[old] >= 0) return;
        newRowOf[old] = static_cast<int>(i);
    }
    emit layoutAboutToBeChanged({}, QAbstractItemModel::VerticalSortHint);
    // Only the selection and the current row hold indexes, so these lists stay short.
    const QModelIndexList before = persistentIndexList();
    QModelIndexList after;
    after.reserve(before.size());
    for (const QModelIndex& at : before) after.append(index(newRowOf[at.row()], at.column()));
    // In place, a cycle at a time: a second set of rows would double the list's memory.
    for (std::size_t row = 0; row < count; ++row) {
        while (newRowOf[row] != static_cast<int>(row)) {
            const auto target = static_cast<std::size_t>(newRowOf[row]);
            std::swap(rows_[row], rows_[target]);
            std::swap(newRowOf[row], newRowOf[target]);
        }
    }
    changePersistentIndexList(before, after);
    emit layoutChanged({}, QAbstractItemModel::VerticalSortHint);
}

int StationListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : RowCount();
}

int StationListModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : kColumnCount;
}

QVariant StationListModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || !Valid(index.row())) return {};
    if (role == Qt::DisplayRole) {
        return QString::fromStdString(Text(index.row(), index.column()));
    }
    if (role == Qt::TextAlignmentRole && index.column() == 0) {
        return kFrequencyAlignment.toInt();
    }
    return {};
}

QVariant StationListModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal) return {};
    if (role == Qt::DisplayRole) {
        if (section == 0) return tr("Frequency");
        if (section == 1) return tr("Station");
    }
    if (role == Qt::TextAlignmentRole && section == 0) return kFrequencyAlignment.toInt();
    return {};
}
