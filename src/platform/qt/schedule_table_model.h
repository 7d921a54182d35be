#pragma once

#include <QAbstractTableModel>
#include <vector>

struct ScheduleEntry;

// The schedule window's rows for a table view: one row per broadcast, the columns and texts of
// schedule_columns.h. Holds pointers only, so ten thousand rows cost no widgets.
class ScheduleTableModel : public QAbstractTableModel {
    Q_OBJECT

  public:
    using QAbstractTableModel::QAbstractTableModel;

    // Replaces every row; the entries must stay valid until the next call.
    void SetRows(const std::vector<const ScheduleEntry*>& rows);
    // The entry of a row, or null.
    const ScheduleEntry* EntryAt(int row) const;

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

  private:
    std::vector<const ScheduleEntry*> rows_;
};
