#pragma once

#include <string>

#include "schedule/schedule_entry.h"

// A broadcast of the schedule as the receiver and the station list take it.

// The mode it is heard in: CW for Morse ("-CW" in the language column), AM for all else.
int ScheduleEntryMode(const ScheduleEntry& entry);

// Its name in the station list: the station, then language and target in brackets where the
// schedule gives them ("R.Romania Int. (F, WEu)"), so rows of one station for different
// audiences stay apart. "|" separates the fields of a station file and becomes "/".
std::string ScheduleStationName(const ScheduleEntry& entry);
