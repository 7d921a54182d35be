#pragma once

#include <cstdint>

// The RX-320's line: 1200 baud, 10 bit times per byte (start, 8 data, stop), so 120 bytes/s.
inline constexpr double kLineBytesPerSecond = 120.0;

inline double LineSeconds(std::uint64_t bytes) {
    return static_cast<double>(bytes) / kLineBytesPerSecond;
}
