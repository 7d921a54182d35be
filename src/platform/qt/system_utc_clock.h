#pragma once

#include "controller/utc_clock.h"

// The host's wall clock, in UTC.
class SystemUtcClock : public UtcClock {
  public:
    UtcTime Now() override;
};
