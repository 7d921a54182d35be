#pragma once

#include <array>
#include <cstdint>
#include <string>

// The receiver's published tuning examples (no correction), shared by the encoder's tests and
// the link's, so both check the same bytes.
struct TuningExample {
    std::string name;
    int frequencyHz;
    int mode;
    int filterIndex;
    int passbandShiftHz;
    int cwFrequencyHz;
    int coarse;
    int fine;
    int bfo;
    std::array<std::uint8_t, 8> bytes;
};

inline const TuningExample kTuningExamples[] = {
    {"Am4800At6075kHz",
     6075000,
     0,
     28,
     0,
     700,
     20429,
     6825,
     0,
     {0x4E, 0x4F, 0xCD, 0x1A, 0xA9, 0x00, 0x00, 0x0D}},
    {"Usb2400At7100kHz",
     7100000,
     1,
     18,
     0,
     700,
     20840,
     819,
     25662,
     {0x4E, 0x51, 0x68, 0x03, 0x33, 0x64, 0x3E, 0x0D}},
    {"Lsb2400At7100kHz",
     7100000,
     2,
     18,
     0,
     700,
     20838,
     12831,
     25662,
     {0x4E, 0x51, 0x66, 0x32, 0x1F, 0x64, 0x3E, 0x0D}},
    {"Cw450At7100kHz",
     7100000,
     3,
     3,
     0,
     700,
     20839,
     6825,
     23751,
     {0x4E, 0x51, 0x67, 0x1A, 0xA9, 0x5C, 0xC7, 0x0D}},
};
