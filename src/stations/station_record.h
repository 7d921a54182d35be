#pragma once

#include <string>
#include <utility>

// One station's values. The list keeps its records in its own entries, so a record carries
// nothing of its place there.
class StationRecord {
  public:
    StationRecord() = default;
    StationRecord(std::string stationName, int frequencyHz, int stationMode, int stationAgc,
                  int filterIndex, int shiftHz)
        : name(std::move(stationName)),
          frequency(frequencyHz),
          mode(stationMode),
          agc(stationAgc),
          filter(filterIndex),
          passbandShift(shiftHz) {}

    std::string name;
    int frequency = 0;      // Hz
    int mode = 0;           // 0 AM, 1 USB, 2 LSB, 3 CW
    int agc = 2;            // 1 slow, 2 medium, 3 fast
    int filter = 28;        // FilterTable row
    int passbandShift = 0;  // Hz; 0 means no shift
};
