#include "schedule/schedule_entry.h"

#include "schedule/season_dates.h"

bool ScheduleEntry::OnAirAt(const ScheduleMoment& moment) const {
    const int minute = moment.minuteOfDay;
    const BroadcastDay* beganOn = nullptr;
    if (startMinute < stopMinute) {
        if (minute >= startMinute && minute < stopMinute) beganOn = &moment.today;
    } else if (minute >= startMinute) {
        beganOn = &moment.today;
    } else if (minute < stopMinute) {
        beganOn = &moment.yesterday;
    }
    return beganOn != nullptr && days.Matches(*beganOn) && InSeason(startDate, stopDate, *beganOn);
}
