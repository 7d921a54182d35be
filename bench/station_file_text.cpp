#include "station_file_text.h"

#include <cstdint>

std::string StationFileText(int count) {
    std::string text = "240951\r\n1\r\n";
    std::uint32_t state = 12345;
    for (int i = 0; i < count; ++i) {
        // A small linear congruential generator: fixed sequence, no library dependence.
        state = state * 1664525u + 1013904223u;
        const int frequencyHz = 100000 + static_cast<int>(state % 29900000u);
        text += "Station " + std::to_string(state % 100000u) + " #" + std::to_string(i) + "|" +
                std::to_string(frequencyHz) + "|" + std::to_string(i % 4) + "|2|" +
                std::to_string(i % 36) + "|0\r\n";
    }
    return text;
}
