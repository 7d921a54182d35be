#pragma once

#include <string>

#include "base/station_node.h"

// One station, and at the same time its node in CStationList. Copies handed out by the list
// have null links; links of records handed in are ignored.
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
    StationRecord(const StationRecord& other)
        : name(other.name),
          frequency(other.frequency),
          mode(other.mode),
          agc(other.agc),
          filter(other.filter),
          passbandShift(other.passbandShift) {}
    StationRecord& operator=(const StationRecord& other) {
        name = other.name;
        frequency = other.frequency;
        mode = other.mode;
        agc = other.agc;
        filter = other.filter;
        passbandShift = other.passbandShift;
        return *this;
    }
    virtual ~StationRecord() = default;

    std::string name;
    int frequency = 0;      // Hz
    int mode = 0;           // 0 AM, 1 USB, 2 LSB, 3 CW
    int agc = 2;            // 1 slow, 2 medium, 3 fast
    int filter = 28;        // FilterTable row
    int passbandShift = 0;  // Hz; 0 means no shift
    StationRecord* prev = nullptr;  // next newer; null at the front
    StationRecord* next = nullptr;  // next older; null at the end
};
