#include "station_band.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>

const std::vector<BandStation>& StationBand::Stations() {
    static const std::vector<BandStation> stations = {
        {5000000, 38.0, "standard time and frequency"},
        {6075000, 72.0, "49 m broadcast (the program's first frequency)"},
        {7100000, 45.0, "40 m amateur, sideband"},
        {9580000, 64.0, "31 m broadcast"},
        {11780000, 58.0, "25 m broadcast"},
        {15400000, 52.0, "19 m broadcast"},
        {17810000, 47.0, "16 m broadcast"},
    };
    return stations;
}

double StationBand::LevelDb(int dialHz) {
    double level = kNoiseFloorDb;
    for (const BandStation& station : Stations()) {
        const double offsetKhz = std::abs(static_cast<double>(dialHz) - station.frequencyHz) / 1000;
        level = std::max(level, station.peakDb - kFallDbPerKhz * offsetKhz);
    }
    return level;
}

double StationBand::NoisyLevelDb(int dialHz, std::mt19937& random) {
    std::uniform_real_distribution<double> noise(-kNoiseDb, kNoiseDb);
    return std::max(0.0, LevelDb(dialHz) + noise(random));
}

std::string StationBand::Listing() {
    std::string text;
    for (const BandStation& station : Stations()) {
        char line[128];
        std::snprintf(line, sizeof line, "  %9d Hz  %2.0f dB  %s\n", station.frequencyHz,
                      station.peakDb, station.what);
        text += line;
    }
    return text;
}
