#include "schedule/schedule_moment.h"

#include <chrono>

namespace {

BroadcastDay DayOf(std::chrono::sys_days date) {
    const std::chrono::year_month_day calendar{date};
    BroadcastDay day;
    day.month = static_cast<int>(static_cast<unsigned>(calendar.month()));
    day.day = static_cast<int>(static_cast<unsigned>(calendar.day()));
    day.weekday = static_cast<int>(std::chrono::weekday{date}.iso_encoding()) - 1;
    return day;
}

}  // namespace

bool MomentOf(const UtcTime& time, ScheduleMoment& moment) {
    // Checked before the conversions, which would wrap an out-of-range int into a valid one.
    if (time.year < 1 || time.year > 9999 || time.month < 1 || time.month > 12 || time.day < 1 ||
        time.day > 31 || time.hour < 0 || time.hour > 23 || time.minute < 0 || time.minute > 59) {
        return false;
    }
    const std::chrono::year_month_day date{std::chrono::year{time.year},
                                           std::chrono::month{static_cast<unsigned>(time.month)},
                                           std::chrono::day{static_cast<unsigned>(time.day)}};
    if (!date.ok()) return false;
    const std::chrono::sys_days today{date};
    moment.minuteOfDay = time.hour * 60 + time.minute;
    moment.today = DayOf(today);
    moment.yesterday = DayOf(today - std::chrono::days{1});
    return true;
}
