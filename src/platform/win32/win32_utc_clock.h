#pragma once

#include "controller/utc_clock.h"

// The system's UTC time.
class Win32UtcClock : public UtcClock {
  public:
    UtcTime Now() override;
};
