#pragma once

#include <cstdint>
#include <string>

// Simulator time: microseconds since the simulator started, on the monotonic clock, so the log
// and the line pacing never jump with the wall clock.
using SimMicros = std::int64_t;

constexpr SimMicros kMicrosPerMs = 1000;
constexpr SimMicros kMicrosPerSecond = 1000000;

// Starts the clock at 0; the first call of SimNow() does so too.
void StartSimClock();
SimMicros SimNow();

// Whole seconds (possibly fractional) to simulator microseconds.
SimMicros SecondsToMicros(double seconds);

// "12.345": seconds since start with three decimals, as the log shows them.
std::string FormatSimSeconds(SimMicros time);
