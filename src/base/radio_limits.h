#pragma once

#include <array>

// The receiver's value ranges and the program's defaults, read by every layer.

// Tuning, Hz. The lower limit is the configurable MinimumFrequency.
inline constexpr int kMaximumFrequency = 30000000;
inline constexpr int kDefaultFrequency = 6075000;

// Speaker volume and line-out level: 0 silent .. 63 loudest.
inline constexpr int kLowestLevel = 0;
inline constexpr int kHighestLevel = 63;
inline constexpr int kDefaultLevel = 16;

// Squelch level on the meter's scale, dB.
inline constexpr int kSquelchLevelMinDb = 0;
inline constexpr int kSquelchLevelMaxDb = 90;
inline constexpr int kDefaultSquelchLevelDb = 0;

// Tuning steps in Hz, indexed by TuningStepSize.
inline constexpr std::array<int, 12> kStepTable = {1,    5,    10,   50,    100,   500,
                                                   1000, 5000, 9000, 10000, 50000, 100000};
inline constexpr int kStepCount = static_cast<int>(kStepTable.size());
inline constexpr int kDefaultStepIndex = 7;  // 5 kHz

// Passband shift and the CW beat frequency, Hz.
inline constexpr int kPassbandShiftLimitHz = 1000;
inline constexpr int kDefaultPassbandShiftHz = 0;
inline constexpr int kCwFrequencyLimitHz = 15000;
inline constexpr int kDefaultCwFrequencyHz = 700;

// Filter table rows; row 28 is 4800 Hz.
inline constexpr int kFilterRowCount = 36;
inline constexpr int kDefaultFilterIndex = 28;

// Two-point frequency correction: each correction within +-1000 Hz, the two no more than 500 Hz
// apart, the points at least 5 MHz apart (closer points cannot define a slope worth trusting).
inline constexpr int kCorrectionLimitHz = 1000;
inline constexpr int kCorrectionsMaximumApartHz = 500;
inline constexpr int kCorrectionPointsMinimumApartHz = 5000000;
inline constexpr int kDefaultCorrectionHz = 0;
inline constexpr int kDefaultCorrectionPoint1Hz = 5000000;
inline constexpr int kDefaultCorrectionPoint2Hz = 15000000;

// Continuous tuning periods, ms.
inline constexpr int kTuningTimeSlowMinMs = 500;
inline constexpr int kTuningTimeSlowMaxMs = 5000;
inline constexpr int kDefaultTuningTimeSlowMs = 2000;
inline constexpr int kTuningTimeFastMinMs = 200;
inline constexpr int kTuningTimeFastMaxMs = 1000;
inline constexpr int kDefaultTuningTimeFastMs = 500;

// Modes and AGC speeds as the receiver numbers them.
enum ReceiverMode { kModeAm = 0, kModeUsb = 1, kModeLsb = 2, kModeCw = 3 };
inline constexpr int kModeCount = 4;
// The modes' names, by number, as listeners write them.
inline constexpr const char* kModeNames[kModeCount] = {"AM", "USB", "LSB", "CW"};
inline constexpr int kDefaultMode = kModeAm;
inline constexpr int kAgcSlow = 1;
inline constexpr int kAgcFast = 3;
inline constexpr int kDefaultAgc = 2;

// The on/off settings at the first start: signal strength shown, speaker and line out on;
// continuous tuning slow, passband shift, squelch and the MHz display off.
inline constexpr int kDefaultDisplaySignalStrength = 1;
inline constexpr int kDefaultVolumeOn = 1;
inline constexpr int kDefaultLineOn = 1;
inline constexpr int kDefaultSteppingSpeed = 0;
inline constexpr int kDefaultPassbandShiftActive = 0;
inline constexpr int kDefaultUseSquelchLevel = 0;
inline constexpr int kDefaultDisplayMHz = 0;

// The serial port the program uses, 1 for COM1; the port question, closed unanswered, gives it.
inline constexpr int kDefaultComPort = 1;

// The AGC radio group and the Station dialog hold the speed as a 0-based index.
constexpr int AgcFromIndex(int index) {
    return index + 1;
}
constexpr int AgcIndexOf(int agc) {
    return agc - 1;
}

// A valid window placement record carries its own size in bytes.
inline constexpr int kValidPlacementLength = 44;
