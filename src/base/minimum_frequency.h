#pragma once

#include "base/radio_limits.h"

// The lower tuning limit in Hz, loaded from the profile (10,000..100,000). It is the one
// process-wide value of the program: the link, the controller, the station file and the dialogs
// all clamp against it.
extern int MinimumFrequency;

inline constexpr int kDefaultMinimumFrequency = 100000;
inline constexpr int kLowestMinimumFrequency = 10000;
