#pragma once

#include "controller/utc_clock.h"

// A calendar day as the day rules and the Start/Stop dates of a schedule see it.
struct BroadcastDay {
    int month = 1;    // 1..12
    int day = 1;      // 1..31
    int weekday = 0;  // 0 Monday .. 6 Sunday
};

// A moment of the schedule's questions: the minute of the UTC day, its calendar day and the day
// before, on which a broadcast still running after midnight began.
struct ScheduleMoment {
    int minuteOfDay = 0;  // 0..1439
    BroadcastDay today;
    BroadcastDay yesterday;
};

// False when time is no real moment (30 February, hour 25, year 0); moment is then unchanged.
// Seconds are not looked at.
bool MomentOf(const UtcTime& time, ScheduleMoment& moment);
