#pragma once

#include <string>
#include <vector>

#include "support/fake_dialog_window.h"
#include "ui/main_window_surface.h"

// An in-memory main window (template 102). Its controls live in the public FakeDialogWindow
// `dialog`, which already knows the five radio groups; the station list, the painted displays
// and the placement are plain members. Tests read and script all of them directly.
class FakeMainWindow : public MainWindowSurface {
  public:
    struct Row {
        std::string frequencyText;
        std::string name;
        StationNode node = kNoStation;
    };

    FakeMainWindow();

    // The ids of each radio group of the main window, first id first.
    static const std::vector<int>& StepButtons();
    static const std::vector<int>& ModeButtons();
    static const std::vector<int>& AgcButtons();
    static const std::vector<int>& RangeButtons();
    static const std::vector<int>& PositionButtons();

    // DialogWindow, forwarded to `dialog`.
    int GetCheck(int id) override { return dialog.GetCheck(id); }
    void SetCheck(int id, int state) override { dialog.SetCheck(id, state); }
    int GetRadioIndex(int firstId) override { return dialog.GetRadioIndex(firstId); }
    void SetRadioIndex(int firstId, int index) override { dialog.SetRadioIndex(firstId, index); }
    void SetupSlider(int id, int minimum, int maximum, int tickEvery, int lineSize,
                     int pageSize) override {
        dialog.SetupSlider(id, minimum, maximum, tickEvery, lineSize, pageSize);
    }
    int GetSliderPosition(int id) override { return dialog.GetSliderPosition(id); }
    void SetSliderPosition(int id, int position) override {
        dialog.SetSliderPosition(id, position);
    }
    std::string GetText(int id) override { return dialog.GetText(id); }
    void SetText(int id, const std::string& text) override { dialog.SetText(id, text); }
    void AddListItem(int id, const std::string& text) override { dialog.AddListItem(id, text); }
    int GetListSelection(int id) override { return dialog.GetListSelection(id); }
    void SetListSelection(int id, int index) override { dialog.SetListSelection(id, index); }
    void SetFocus(int id) override { dialog.SetFocus(id); }
    int GetFocus() override { return dialog.GetFocus(); }
    void SetTitle(const std::string& text) override { dialog.SetTitle(text); }
    void EndDialog(int result) override { dialog.EndDialog(result); }

    // StationListView
    int RowCount() override { return static_cast<int>(rows.size()); }
    void InsertRow(int row, const std::string& frequencyText, const std::string& name,
                   StationNode node) override;
    void SetRowText(int row, int column, const std::string& text) override;
    std::string GetRowText(int row, int column) override;
    StationNode GetRowData(int row) override;
    int FindRow(StationNode node) override;
    void DeleteRow(int row) override;
    void DeleteAllRows() override;
    int GetSelectedRow() override { return selectedRow; }
    void SelectRow(int row) override;
    void ReorderRows(const std::vector<int>& newOrder) override;

    // MainWindowSurface
    void ShowFrequencyText(const std::string& text) override { frequencyText = text; }
    void ShowSignalMeter(int currentDb, int averageDb) override;
    void ShowSquelchLamp(int state) override { lampState = state; }
    int ListClientWidth() override { return listClientWidth; }
    void SetupListColumns(int frequencyWidth, int stationWidth) override;
    void FocusStationList() override { dialog.SetFocus(IDC_STATION_LIST); }
    bool GetWindowPlacement(WindowPlacement& out) override;
    void MoveWindowTo(int left, int top) override;

    bool ValidRow(int row) const { return row >= 0 && row < static_cast<int>(rows.size()); }

    FakeDialogWindow dialog;

    std::vector<Row> rows;
    int selectedRow = -1;
    int listClientWidth = 400;
    std::vector<int> columnWidths;  // empty until set up

    std::string frequencyText;
    int meterCurrentDb = 0;
    int meterAverageDb = 0;
    int meterUpdates = 0;
    int lampState = 0;

    WindowPlacement placement;               // what GetWindowPlacement reports
    bool placementReadable = true;           // false makes GetWindowPlacement fail
    std::vector<std::pair<int, int>> moves;  // every MoveWindowTo, in order
};
