#pragma once

struct UtcTime {
    int day = 1, month = 1, year = 1970;
    int hour = 0, minute = 0, second = 0;
};

class UtcClock {
  public:
    virtual ~UtcClock() = default;
    virtual UtcTime Now() = 0;
};
