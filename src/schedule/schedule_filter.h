#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "controller/utc_clock.h"
#include "schedule/schedule.h"

// Which of the broadcasts on air the schedule window lists.
struct ScheduleFilter {
    std::string text;        // words that must all match, see MatchesFilterText
    bool nearTuned = false;  // only broadcasts within kNearTunedToleranceHz of the tuned frequency
};

// "Near" is the tuned channel and its neighbours on the 5 kHz raster of shortwave broadcasting:
// the stations that may be heard through a wide AM filter.
inline constexpr int kNearTunedToleranceHz = 5000;

// True when every blank-separated word of text matches the entry, letters compared without
// regard to case: a word matches the beginning of a word of the station name ("romania" finds
// "R.Romania Int.") or a whole language, target or country code ("E", "EAf", "ROU"). Codes match
// only whole, so that "E" picks English instead of every name that holds an e. Empty text
// matches every entry.
bool MatchesFilterText(const ScheduleEntry& entry, std::string_view text);

// The entries on air at time that pass filter, by frequency and in file order within one
// frequency. The pointers stay valid as long as the schedule's own answers do.
std::vector<const ScheduleEntry*> FilterOnAir(const Schedule& schedule,
                                              const ScheduleFilter& filter, int tunedHz,
                                              const UtcTime& time);
