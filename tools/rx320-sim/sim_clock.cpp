#include "sim_clock.h"

#include <chrono>
#include <cmath>
#include <cstdio>

namespace {

std::chrono::steady_clock::time_point& Origin() {
    static std::chrono::steady_clock::time_point origin = std::chrono::steady_clock::now();
    return origin;
}

}  // namespace

void StartSimClock() {
    Origin() = std::chrono::steady_clock::now();
}

SimMicros SimNow() {
    const auto elapsed = std::chrono::steady_clock::now() - Origin();
    return std::chrono::duration_cast<std::chrono::microseconds>(elapsed).count();
}

SimMicros SecondsToMicros(double seconds) {
    return static_cast<SimMicros>(std::llround(seconds * kMicrosPerSecond));
}

std::string FormatSimSeconds(SimMicros time) {
    const SimMicros millis = time / kMicrosPerMs;
    char text[32];
    std::snprintf(text, sizeof text, "%lld.%03lld", static_cast<long long>(millis / 1000),
                  static_cast<long long>(millis % 1000));
    return text;
}
