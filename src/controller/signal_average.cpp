#include "controller/signal_average.h"

int SignalAverage::Add(int levelDb) {
    samples_[static_cast<std::size_t>(nextSlot_)] = levelDb;
    nextSlot_ = (nextSlot_ + 1) % kSampleCount;
    int sum = 0;
    for (int sample : samples_) sum += sample;
    return sum / kSampleCount;
}
