#pragma once

#include <QWidget>

#include "schedule/schedule_view.h"

class QCheckBox;
class QLabel;
class QLineEdit;
class QTableView;
class ScheduleCommands;
class ScheduleTableModel;

// The schedule window: the broadcasts on air now, a text filter, "Near tuned frequency", "Open
// file..." and "Add to stations". Enter or a double click tunes a row, Insert adds the selected
// rows to the stations, Escape closes. Every event goes to one ScheduleCommands call.
class ScheduleWindow : public QWidget, public ScheduleView {
    Q_OBJECT

  public:
    // commands must outlive the window. parent: the main window, which it stays over.
    explicit ScheduleWindow(ScheduleCommands& commands, QWidget* parent = nullptr);

    // Widgets for the tests.
    QTableView* Table() const { return table_; }
    QLineEdit* FilterEdit() const { return filter_; }
    QCheckBox* NearTuned() const { return near_; }
    QLabel* Status() const { return status_; }

    // ScheduleView
    void Present() override;
    void ShowRows(const std::vector<const ScheduleEntry*>& rows) override;
    void ShowStatus(const std::string& text) override;
    std::vector<int> SelectedRows() override;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void TuneCurrentRow();
    // From the filter into the list: the focus, with the first row current when none is.
    void EnterList();

    ScheduleCommands& commands_;
    ScheduleTableModel* model_ = nullptr;
    QTableView* table_ = nullptr;
    QLineEdit* filter_ = nullptr;
    QCheckBox* near_ = nullptr;
    QLabel* status_ = nullptr;
};
