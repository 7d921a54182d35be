#pragma once

#include <array>
#include <cstdint>

#include "base/radio_limits.h"

// Pure encoding and decoding of the receiver's bytes, tested without any port.

struct CorrectionPoints {
    int frequency1Hz = 15000000;
    int correction1Hz = 0;
    int frequency2Hz = 20000000;
    int correction2Hz = 0;
};

// Linear correction through the two points, extended beyond them, truncated toward zero (Hz).
int CorrectionAt(const CorrectionPoints& points, int frequencyHz);

struct TuningInput {
    int frequencyHz = kDefaultFrequency;
    int mode = kModeAm;
    int filterIndex = kDefaultFilterIndex;
    int passbandShiftHz = 0;
    int cwFrequencyHz = kDefaultCwFrequencyHz;
    int correctionHz = 0;  // CorrectionAt() of the frequency
};

struct TuningFactors {
    int coarse = 0;
    int fine = 0;
    int bfo = 0;
};

TuningFactors ComputeTuningFactors(const TuningInput& input);

// 'N', coarse, fine, BFO (each the low 16 bits, high byte first), CR.
std::array<std::uint8_t, 8> EncodeTuningCommand(const TuningFactors& factors);

// Signal strength in dB from the two value bytes of the 4-byte "X" reply (0..96).
int SignalLevelDb(std::uint8_t high, std::uint8_t low);

// Firmware version x 100 from the 7-byte "?" reply, scanning bytes 3..6 as "%d" would.
// False when no integer is there.
bool ParseVersionReply(const std::uint8_t (&reply)[7], int& version);
