#pragma once

#include <string>

#include "tuning_decoder.h"

// What the simulated receiver has been told since it was powered on. A receiver that was switched
// off keeps nothing, so power-on starts again from these defaults: AM, medium AGC, the 4800 Hz
// filter, both levels at 0 (silent) and no frequency until a tuning command arrives.
struct ReceiverState {
    int mode = 0;                           // 0 AM, 1 USB, 2 LSB, 3 CW
    int agc = 2;                            // 1 slow, 2 medium, 3 fast
    int filterCode = 4;                     // 0..33 as sent after 'W'
    int volume = 0;                         // 0 (silent) .. 63, as the program counts it
    int lineLevel = 0;                      // same scale
    bool tuned = false;                     // a tuning command has arrived since power-on
    std::vector<std::uint8_t> tuningBytes;  // the last 'N' command
    DecodedTuning tuning;                   // tuningBytes read with the current mode
};

// "AM", "USB", "LSB", "CW"; "mode <n>" for anything else.
std::string ModeName(int mode);
// Bandwidth in Hz of a filter code, 0 when the receiver has no such filter.
int FilterBandwidthHz(int filterCode);
// "tune 7100000 Hz USB filter 2400 Hz pbs 0 Hz": the tuning command as the state reads it.
std::string DescribeTuning(const ReceiverState& state);
