#pragma once

#include <string>

#include "controller/utc_clock.h"
#include "schedule/schedule.h"

// A broadcast counts as on the tuned frequency within this distance: less than half the 5 kHz
// raster of shortwave broadcasting, so a neighbouring channel is never named, yet wide enough for
// a receiver tuned a little beside the carrier, or a schedule that gives the channel rather than
// the exact carrier.
inline constexpr int kOnFrequencyToleranceHz = 2000;

// The line under the frequency readout, the answer to "who is this?": "On air: " and the
// stations scheduled within kOnFrequencyToleranceHz of tunedHz at time, each station and
// language once, as "Station (language)" joined by ", " by frequency and file order; "On air:
// nothing scheduled" when there is none. Empty while the schedule holds no entries.
std::string OnAirLineText(const Schedule& schedule, int tunedHz, const UtcTime& time);
