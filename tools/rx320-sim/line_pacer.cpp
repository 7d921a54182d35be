#include "line_pacer.h"

#include <algorithm>

namespace {

constexpr SimMicros kBitsPerByte = 10;  // start bit, 8 data bits, stop bit

}  // namespace

LinePacer::LinePacer(bool enabled, int baud)
    : enabled_(enabled), byteTime_(kBitsPerByte * kMicrosPerSecond / std::max(baud, 1)) {}

SimMicros LinePacer::ArrivalOf(SimMicros readTime) {
    if (!enabled_) return readTime;
    lastArrival_ = std::max(readTime, lastArrival_) + byteTime_;
    return lastArrival_;
}

SimMicros LinePacer::DepartureOf(SimMicros readyTime) {
    if (!enabled_) return readyTime;
    lastDeparture_ = std::max(readyTime, lastDeparture_) + byteTime_;
    return lastDeparture_;
}

void LinePacer::Reset() {
    lastArrival_ = 0;
    lastDeparture_ = 0;
}
