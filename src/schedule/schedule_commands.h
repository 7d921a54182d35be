#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "controller/utc_clock.h"
#include "schedule/schedule.h"
#include "schedule/schedule_filter.h"

class CReceiverController;
class DialogWindow;
class Host;
class MainView;
class ScheduleView;
class StationListView;

// The broadcast schedule in the program: the file named in the profile, the schedule window's
// list of broadcasts on air and its commands, and the "on air" line under the frequency readout.
class ScheduleCommands {
  public:
    // None of the arguments is owned. mainView shows the mode a tuning sets; mainWindow takes the
    // on-air line (control IDC_ON_AIR); stations is the main window's station list.
    ScheduleCommands(CReceiverController& controller, UtcClock& clock, Host& host,
                     MainView& mainView, DialogWindow& mainWindow, StationListView& stations);

    // The window; null (the default) lists nothing. Not owned.
    void SetView(ScheduleView* view);

    // At start, after the settings: loads the file the profile names. A file that cannot be
    // loaded gives one message and an empty schedule; the profile keeps naming it.
    void LoadAtStart();

    // "Sched" button and its key: the window with what is on air now.
    void OnOpenWindow();
    // "Open file...": a file that loads replaces the schedule and is remembered in the profile;
    // one that does not gives its message and leaves the schedule as it was. Rows the file could
    // not read are named in one message.
    void OnOpenFile();
    void OnFilterText(const std::string& text);
    void OnNearTuned(bool on);
    // Double click or Enter: tunes the broadcast of the row, in AM or, for Morse, CW; the other
    // settings stay. A frequency the receiver cannot tune gives the exclamation sound only.
    void OnTuneRow(int row);
    // "Add to stations": each selected row becomes a station with the receiver's AGC and filter,
    // on top of the station list in the order listed. No selection gives a message.
    void OnAddSelected();

    // The main window shows a new frequency, or the time (each half second): the on-air line
    // and, as needed, the list follow.
    void FrequencyShown(int frequencyHz);
    void TimeShown(const UtcTime& time);

    const Schedule& GetSchedule() const { return schedule_; }
    const std::vector<const ScheduleEntry*>& Rows() const { return rows_; }

  private:
    // Loads path into the schedule; on failure the message, and the schedule as it was.
    ScheduleLoadStatus Load(const std::string& path);
    // The list and the on-air line for the time and the tuned frequency.
    void Refresh(const UtcTime& time);
    void RefreshRows(const UtcTime& time);
    void ShowOnAirLine(const UtcTime& time);
    int TunedFrequency() const;
    const ScheduleEntry* EntryAt(int row) const;

    CReceiverController& controller_;
    UtcClock& clock_;
    Host& host_;
    MainView& mainView_;
    DialogWindow& mainWindow_;
    StationListView& stations_;
    ScheduleView* view_ = nullptr;
    Schedule schedule_;
    ScheduleFilter filter_;
    std::vector<const ScheduleEntry*> rows_;
    // The minute the line and the list were last worked out for; -1 before the first time.
    std::int64_t shownMinute_ = -1;
};
