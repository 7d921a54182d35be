#pragma once

#include <random>
#include <string>
#include <vector>

// A handful of shortwave stations for the signal meter to find: tuned close to one, the level
// rises towards its peak; elsewhere the noise floor shows. A little noise keeps the meter alive.
struct BandStation {
    int frequencyHz;
    double peakDb;
    const char* what;
};

class StationBand {
  public:
    static constexpr double kNoiseFloorDb = 12.0;
    // Level falls by this much per kHz of detuning, so a station fades out within a few kHz.
    static constexpr double kFallDbPerKhz = 10.0;
    static constexpr double kNoiseDb = 1.5;  // +/- around the level

    static const std::vector<BandStation>& Stations();

    // Level in dB when tuned to dialHz, without noise.
    static double LevelDb(int dialHz);
    // Level with noise; random is the simulator's generator.
    static double NoisyLevelDb(int dialHz, std::mt19937& random);

    // One line per station, for --help.
    static std::string Listing();
};
