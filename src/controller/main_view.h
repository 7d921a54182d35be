#pragma once

#include <string>

#include "base/station_node.h"
#include "controller/utc_clock.h"

class CStationList;

// What the controller shows in the main window. The main dialog implements it; none of these
// sends anything to the receiver.
class MainView {
  public:
    virtual ~MainView() = default;

    virtual void ShowFrequency(int frequencyHz, int displayMHz) = 0;
    virtual void ShowUtcTime(const UtcTime& time) = 0;
    virtual void ShowFastStepping(int state) = 0;
    virtual void ShowStepSize(int index) = 0;
    virtual void ShowMode(int mode) = 0;
    virtual void ShowAgc(int agc) = 0;  // 1..3
    virtual void ShowFilter(int filterIndex) = 0;
    virtual void ShowPassbandShiftOn(int state) = 0;
    virtual void ShowPassbandShift(int shiftHz) = 0;
    virtual void ClearContinuousButtons() = 0;
    // Audio: the "On" check and the slider's level (0..63).
    virtual void ShowVolume(int on, int level) = 0;
    virtual void ShowLine(int on, int level) = 0;
    virtual void ShowSignalDisplayOn(int on) = 0;
    virtual void ShowSquelchOn(int on) = 0;
    virtual void ShowSquelchLevel(int levelDb) = 0;
    virtual void ShowStationFileName(const std::string& name) = 0;
    virtual void SetTitle(const std::string& title) = 0;

    // Meter: newest reading and five-sample average, dB. Lamp: -1 off, 0 open, 1 muted.
    virtual void ShowSignalLevels(int currentDb, int averageDb) = 0;
    virtual void ShowSquelchState(int state) = 0;

    // Station list view. name is the text shown (UTF-8), not the stored bytes.
    virtual void DeleteAllStationRows() = 0;
    virtual void AddStationRow(StationNode node, int displayMHz, int frequencyHz,
                               const std::string& name) = 0;
    virtual void SortStationRows() = 0;
    // The list view refilled from stations and sorted by frequency. The default deletes every row,
    // adds one per station and sorts; a view that can take all rows in one step does so instead.
    virtual void ShowStationList(const CStationList& stations, int displayMHz);
};
