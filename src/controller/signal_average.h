#pragma once

#include <array>

// The meter's moving average over the last five signal readings (dB). Slots never written count
// as 0, so the average climbs from 0 during the first second of polling. Nothing resets it.
class SignalAverage {
  public:
    static constexpr int kSampleCount = 5;

    // Takes a reading in place of the oldest; returns the sum of the five slots divided by five,
    // truncated toward zero.
    int Add(int levelDb);

  private:
    std::array<int, kSampleCount> samples_{};
    int nextSlot_ = 0;
};
