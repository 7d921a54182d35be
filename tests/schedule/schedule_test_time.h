#pragma once

#include "controller/utc_clock.h"
#include "schedule/schedule_moment.h"

// 3 March 2025 is a Monday.
inline UtcTime Utc(int year, int month, int day, int hour, int minute) {
    UtcTime time;
    time.year = year;
    time.month = month;
    time.day = day;
    time.hour = hour;
    time.minute = minute;
    return time;
}

inline BroadcastDay Day(int day, int month, int weekday) {
    return BroadcastDay{month, day, weekday};
}
