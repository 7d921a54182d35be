#pragma once

#include <QDialog>
#include <functional>
#include <map>
#include <span>

#include "platform/qt/qt_dialog_window.h"
#include "ui/main_window_surface.h"

class QLabel;

class CMainDialog;
class QCheckBox;
class FrequencyDisplay;
class QAbstractSlider;
class QKeyEvent;
class QLineEdit;
class QTreeView;
class SignalMeter;
class SquelchLamp;
class StationListModel;

// The program's main window (template 102): builds every control under its id and hands each
// user event to one CMainDialog call; CMainDialog drives the controls back through the surface.
// A dialog, as the window always was: Escape is the exit, Enter the "Enter" button.
class MainWindow : public QDialog, public QtDialogWindowBase<MainWindowSurface> {
    Q_OBJECT

  public:
    explicit MainWindow(QWidget* parent = nullptr);
    ~MainWindow() override;

    // The logic that receives the events; not owned. Events before it is set are dropped.
    void SetDialog(CMainDialog* dialog) { dialog_ = dialog; }

    // The exit sequence, as Exit, Escape and the close box start it. The window closes only when
    // the logic agrees.
    void RequestExit();
    bool Ended() const { return ended_; }

    // Widgets for the tests and the screenshot.
    FrequencyDisplay* FrequencyReadout() const { return frequency_; }
    SignalMeter* Meter() const { return meter_; }
    SquelchLamp* Lamp() const { return lamp_; }
    QTreeView* StationList() const { return stations_; }
    QLineEdit* FrequencyEntry() const { return entry_; }
    // The line under the controls where network control says what it does; hidden when empty.
    QLabel* RemoteStatus() const { return remoteStatus_; }
    // The window menu's network-control switch: its state, and what a change of it calls.
    void SetRemoteSwitch(std::function<bool()> isOn, std::function<void(bool)> turn) {
        remoteIsOn_ = std::move(isOn);
        turnRemote_ = std::move(turn);
    }

    // MainWindowSurface
    void EndDialog(int result) override;
    void ShowFrequencyText(const std::string& text) override;
    void ShowSignalMeter(int currentDb, int averageDb) override;
    void ShowSquelchLamp(int state) override;
    int ListClientWidth() override;
    void SetupListColumns(int frequencyWidth, int stationWidth) override;
    void FocusStationList() override;
    bool GetWindowPlacement(WindowPlacement& placement) override;
    void MoveWindowTo(int left, int top) override;

    // StationListView
    int RowCount() override;
    void InsertRow(int row, const std::string& frequencyText, const std::string& name,
                   StationNode node) override;
    void SetRowText(int row, int column, const std::string& text) override;
    std::string GetRowText(int row, int column) override;
    StationNode GetRowData(int row) override;
    int FindRow(StationNode node) override;
    void DeleteRow(int row) override;
    void DeleteAllRows() override;
    int GetSelectedRow() override;
    void SelectRow(int row) override;
    void ReorderRows(const std::vector<int>& newOrder) override;
    void ReplaceAllRows(std::vector<StationListRow> rows) override;

    void reject() override;
    // Takes the stored placement before the window is first mapped, so it appears in place
    // instead of jumping there.
    void setVisible(bool visible) override;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

  private:
    // Builds every control under its id, lays them out and forms the radio groups.
    void BuildLayout();
    QWidget* BuildFrequencyGroup();
    // A group of push-like radio buttons in one row (mode, AGC).
    QWidget* BuildLatchedGroup(const QString& title, std::span<const int> ids,
                               std::span<const char* const> captions);
    QWidget* BuildFilterGroup();
    QWidget* BuildPassbandGroup();
    QWidget* BuildSignalGroup();
    QWidget* BuildStationGroup();
    QWidget* BuildLevelGroup(const QString& title, int sliderId, int onId);
    QWidget* BuildBottomRow();
    // An "On" check box switching what.
    QCheckBox* AddOnBox(int id, const QString& what, QWidget* parent);
    void AddSlider(QAbstractSlider* slider, int id, const QString& accessibleName);
    void ConnectEvents();
    void Finish(int result);
    bool HandleKey(QWidget* receiver, QKeyEvent* event);
    bool ScrollsItself(QWidget* widget) const;

    CMainDialog* dialog_ = nullptr;
    FrequencyDisplay* frequency_ = nullptr;
    SignalMeter* meter_ = nullptr;
    SquelchLamp* lamp_ = nullptr;
    QTreeView* stations_ = nullptr;
    StationListModel* stationRows_ = nullptr;  // the view's model, owned by the window
    QLineEdit* entry_ = nullptr;
    QLabel* remoteStatus_ = nullptr;
    std::function<bool()> remoteIsOn_;
    std::function<void(bool)> turnRemote_;
    std::map<int, int> lastSliderAction_;  // by slider id: the action that moves it next
    int wheelRemainder_ = 0;               // eighths of a degree not yet worth a notch
    bool redelivering_ = false;
    bool ended_ = false;
};
