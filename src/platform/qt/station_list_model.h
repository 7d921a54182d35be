#pragma once

#include <QAbstractTableModel>
#include <string>
#include <vector>

#include "base/toolkit.h"

// The station list's rows for a view: two texts and the station's node per row, kept as the
// logic hands them over. The view asks only for the rows it paints, so a million stations cost
// no widgets and no converted texts. Rows out of range are ignored or read as empty.
class StationListModel : public QAbstractTableModel {
    Q_OBJECT

  public:
    using QAbstractTableModel::QAbstractTableModel;

    int RowCount() const { return static_cast<int>(rows_.size()); }
    // row is brought into 0..RowCount().
    void Insert(int row, StationListRow values);
    void SetText(int row, int column, const std::string& text);
    std::string Text(int row, int column) const;
    StationNode Node(int row) const;
    // The row of node, or -1.
    int Find(StationNode node) const;
    void Remove(int row);
    void ReplaceAll(std::vector<StationListRow> rows);
    // newOrder[i] is the old row that goes to i; anything but a permutation of the rows changes
    // nothing. Selection and current row move with their rows.
    void Reorder(const std::vector<int>& newOrder);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

  private:
    bool Valid(int row) const { return row >= 0 && row < RowCount(); }

    std::vector<StationListRow> rows_;
};
