#pragma once

#include <string>

#include "platform/win32/display_painter.h"
#include "platform/win32/win32_dialog_window.h"
#include "ui/main_window_surface.h"

class CMainDialog;

// The program's main window (template 102) as a modeless dialog with its own message loop, so
// that characters can be taken as one-key commands before any control sees them. Each user event
// goes to one CMainDialog call; CMainDialog drives the controls back through the surface.
class Win32MainWindow : public Win32DialogWindowBase<MainWindowSurface> {
  public:
    Win32MainWindow() = default;
    ~Win32MainWindow() override;
    Win32MainWindow(const Win32MainWindow&) = delete;
    Win32MainWindow& operator=(const Win32MainWindow&) = delete;

    // The logic that receives the events; not owned. Events before it is set are dropped.
    void SetDialog(CMainDialog* dialog) { dialog_ = dialog; }
    // Makes the window from its template, hidden, with the system menu's About entry, the icon
    // and the list's full-row selection. False when it cannot be made.
    bool Create();
    // Moves the window to the stored placement and shows it.
    void Show();
    // Copy-data messages reach the logic only once start-up is done: one taken earlier would be
    // undone by the settings loaded.
    void AcceptCopyData(bool accept) { acceptCopyData_ = accept; }
    // Runs the message loop until the exit sequence ends the window or WM_QUIT arrives.
    void RunMessageLoop();
    bool Ended() const { return ended_; }

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

  private:
    static INT_PTR CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    static LRESULT CALLBACK RepeatButtonProcedure(HWND button, UINT message, WPARAM wParam,
                                                  LPARAM lParam, UINT_PTR id, DWORD_PTR self);
    INT_PTR OnMessage(UINT message, WPARAM wParam, LPARAM lParam);
    // True when the message was a one-key command and is used up. A character the logic passes
    // on goes to whichever control has the focus now (a digit moves it to the entry box).
    bool PreTranslate(MSG& message);
    void RequestExit();
    void OnScroll(HWND slider, int code);
    void OnWheel(int delta);
    bool OnNotify(const NMHDR& header);
    bool OnDrawItem(const DRAWITEMSTRUCT& item);
    void Redraw(int id);
    HWND List() const { return Item(IDC_STATION_LIST); }

    CMainDialog* dialog_ = nullptr;
    DisplayPainter painter_;
    std::wstring frequencyText_;
    int meterCurrentDb_ = 0;
    int meterAverageDb_ = 0;
    int lampState_ = -1;
    int wheelRemainder_ = 0;  // wheel delta not yet worth a notch
    bool acceptCopyData_ = false;
    bool ended_ = false;
};
