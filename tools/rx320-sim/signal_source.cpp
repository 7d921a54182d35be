#include "signal_source.h"

#include <cstdio>

#include "station_band.h"

void SignalSource::UseFixedLevel(double levelDb) {
    fixed_ = true;
    fixedDb_ = levelDb;
}

void SignalSource::UseBand() {
    fixed_ = false;
}

double SignalSource::LevelDb(const ReceiverState& state, std::mt19937& random) const {
    if (fixed_) return fixedDb_;
    // Untuned, the receiver hears nothing but noise.
    if (!state.tuned) return StationBand::kNoiseFloorDb;
    return StationBand::NoisyLevelDb(state.tuning.dialHz, random);
}

std::string SignalSource::Describe() const {
    if (!fixed_) return "station band";
    char text[48];
    std::snprintf(text, sizeof text, "fixed %g dB", fixedDb_);
    return text;
}
