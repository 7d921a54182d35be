#pragma once

// The receiver's values on hamlib's level scales.

// STRENGTH is an S-meter reading in dB relative to S9: S9 is 0, an S-unit is 6 dB, so S0 is -54.
// The receiver's reading has no calibration in microvolts: the meter shows 20 log10 of a raw
// 16-bit value, 0 to 96 dB. We put S9 at 54 dB on that scale, so the bottom of the meter reads
// S0 and every 6 dB on the meter is one S-unit: STRENGTH = meter dB - 54. The meter's full scale
// (90 dB) is then S9+36 and the highest reading (96 dB) S9+42.
inline constexpr int kS9OnMeterDb = 54;
int StrengthRelativeToS9(int meterDb);

// hamlib's AGC value (2 fast, 3 slow, 5 medium) for the receiver's 1 slow, 2 medium, 3 fast.
int AgcToHamlib(int agc);
// The receiver's AGC for a hamlib value, -1 for off, user and automatic, which it lacks.
// Superfast is its fast.
int AgcFromHamlib(int value);

// A level 0..maximum as hamlib's fraction 0..1, and back to the nearest level. A fraction outside
// 0..1 gives -1.
double LevelToFraction(int level, int maximum);
int LevelFromFraction(double fraction, int maximum);
