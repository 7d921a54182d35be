#pragma once

#include <cstdint>

#include "sim_clock.h"

// A byte on the line with the moment it has fully arrived or left.
struct TimedByte {
    std::uint8_t value;
    SimMicros time;
};

// The serial line's byte time in both directions. A pseudo-terminal moves bytes at once; the
// real line carries 10 bits per byte (start, 8 data, stop), 8.33 ms at 1200 baud. Received bytes
// are given the times they would have arrived at, and reply bytes the times they would have
// left; with pacing off both are "now".
class LinePacer {
  public:
    LinePacer(bool enabled, int baud);

    bool Enabled() const { return enabled_; }
    SimMicros ByteTime() const { return byteTime_; }

    // When a byte read from the terminal at readTime has fully arrived: one byte time after it
    // could start, and never before the byte in front of it. (The program wrote it just before
    // it was read; on the line it would still be on its way.)
    SimMicros ArrivalOf(SimMicros readTime);
    // When the next reply byte, ready at readyTime, has fully left: one byte time after it could
    // start, and never before the byte in front of it.
    SimMicros DepartureOf(SimMicros readyTime);

    // Nothing is in flight any more (the receiver lost power).
    void Reset();

  private:
    bool enabled_;
    SimMicros byteTime_;
    SimMicros lastArrival_ = 0;
    SimMicros lastDeparture_ = 0;
};
