#pragma once

#include <cstdint>
#include <vector>

#include "link/tuning_command.h"

// The tuning command read back the way the receiver reads it: the dial frequency the program
// asked for (its frequency correction included), recovered from the three factors and the mode.
struct DecodedTuning {
    TuningFactors factors;  // coarse unsigned, fine signed, BFO as interpreted
    int dialHz = 0;
    // BFO / 2.73 - 8000: the sideband offset in USB and LSB (half the filter plus passband shift
    // plus 200 Hz), the beat frequency in CW; 0 in AM, where the receiver ignores the BFO.
    int bfoOffsetHz = 0;
    // False when the fine or BFO factor is not a value the tuning formula can produce.
    bool exact = true;
};

// bytes: the 8-byte 'N' command. mode: 0 AM, 1 USB, 2 LSB, 3 CW, as set when it arrived.
DecodedTuning DecodeTuning(const std::vector<std::uint8_t>& bytes, int mode);
