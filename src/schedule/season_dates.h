#pragma once

#include <string>
#include <string_view>

#include "schedule/schedule_moment.h"

// The Start and Stop columns of a schedule row: the first and the last day a broadcast runs, both
// included, written DDMM without a year ("2510" is 25 October). Held as DDMM numbers, 0 for an
// empty column.
//
// A season may run over the new year: Start 2510, Stop 2903 holds 1 January and not 1 July. With
// one column empty the broadcast runs from Start, or up to Stop, for at most seven months, the
// length of the longer season: without a year, "after Start" can only mean "in the months that
// follow it", and a day further away belongs to another season.

// Reads a Start column. False when it is neither empty nor four digits naming a day of the year.
bool ParseStartDate(std::string_view field, int& ddmm);

// Reads a Stop column, which may carry a note in brackets after the date ("2903(?)",
// "3010[x]"); note gets the bracketed text, brackets included, in UTF-8. False as for
// ParseStartDate.
bool ParseStopDate(std::string_view field, int& ddmm, std::string& note);

// True when day lies within startDdmm..stopDdmm as read above.
bool InSeason(int startDdmm, int stopDdmm, const BroadcastDay& day);
