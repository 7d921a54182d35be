#pragma once

#include <cstdint>

// Message types carried in a copy-data value.
inline constexpr std::uint32_t kTuneMessage = 1000;        // from the partner: set the frequency
inline constexpr std::uint32_t kStationMessage = 2000;     // from the partner: tune or store
inline constexpr std::uint32_t kFrequencyMessage = 10000;  // to the partner: our frequency

// The value of a copy-data message: a message type (a multiple of 1000) and a block format.
struct ExchangeValue {
    std::uint32_t type = 0;
    std::uint32_t format = 0;
};

// 2003 is type 2000 with format 3.
constexpr ExchangeValue SplitExchangeValue(std::uint32_t value) {
    return {value / 1000 * 1000, value % 1000};
}
