#pragma once

#include <random>
#include <string>

#include "receiver_state.h"

// Where the signal strength comes from: a fixed level, or the built-in station band heard at
// the tuned frequency.
class SignalSource {
  public:
    void UseFixedLevel(double levelDb);
    void UseBand();

    // Level in dB the receiver measures now; random feeds the band's noise.
    double LevelDb(const ReceiverState& state, std::mt19937& random) const;
    // "fixed 57 dB" or "station band".
    std::string Describe() const;

  private:
    bool fixed_ = false;
    double fixedDb_ = 0.0;
};
