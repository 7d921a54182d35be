#pragma once

#include <cstdint>
#include <string>

#include "schedule/day_rule.h"
#include "schedule/schedule_moment.h"

// One broadcast of a schedule file: one row, its texts turned into UTF-8.
struct ScheduleEntry {
    int frequencyHz = 0;  // the kHz column with its decimals: 16.4 kHz is 16400 Hz
    // The Time column "HHMM-HHMM" in minutes after 0000 UTC: the start 0..1439, the stop 1..1440.
    // A stop at or before the start runs past midnight; "0000-2400" is the whole day.
    int startMinute = 0;
    int stopMinute = 1440;
    DayRule days;
    std::string itu;  // country, ITU code
    std::string station;
    std::string language;  // "-CW" Morse, "-TS" a time signal
    std::string target;    // target area
    std::string remarks;   // transmitter site and notes
    std::string season;    // the P column as written; the program does not read it
    int startDate = 0;     // DDMM, 0 when empty; see season_dates.h
    int stopDate = 0;
    std::string stopNote;  // the bracketed suffix of the Stop column, if any
    bool cw = false;
    bool timeSignal = false;
    std::int64_t line = 0;  // line number in the file, from 1

    // True when the broadcast is on air at moment: within its time window, on a day its rule
    // and its Start/Stop dates allow. The day looked at is the one the broadcast began on, so
    // "Mo 2200-0500" is on air at 0300 on Tuesday. The stop minute is no longer on air.
    bool OnAirAt(const ScheduleMoment& moment) const;

    bool operator==(const ScheduleEntry&) const = default;
};
