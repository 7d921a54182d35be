#pragma once

#include <string>

#include "app/profile_settings.h"
#include "base/toolkit.h"

// The main window as CMainDialog drives it: its controls by id, the station list view, and the
// three painted displays. The Qt main window implements it; tests use an in-memory one.
class MainWindowSurface : public DialogWindow, public StationListView {
  public:
    // Each stores the value and repaints the control at once.
    virtual void ShowFrequencyText(const std::string& text) = 0;
    virtual void ShowSignalMeter(int currentDb, int averageDb) = 0;
    virtual void ShowSquelchLamp(int state) = 0;

    // Client width of the list view in pixels, and setting up its two columns.
    virtual int ListClientWidth() = 0;
    virtual void SetupListColumns(int frequencyWidth, int stationWidth) = 0;
    // Focus to the list view (control 1009).
    virtual void FocusStationList() = 0;

    // False when the placement cannot be read.
    virtual bool GetWindowPlacement(WindowPlacement& placement) = 0;
    // Moves the window's top-left corner, keeping its size.
    virtual void MoveWindowTo(int left, int top) = 0;
};
