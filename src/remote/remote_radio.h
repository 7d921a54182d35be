#pragma once

#include <optional>

#include "base/radio_limits.h"

// The receiver as a network client sees it. Gets answer from the program's own state at once and
// never wait for the serial line; sets act exactly as the same change made in the window would,
// so the window, the profile and the squelch follow. Values use the program's codes; the remote
// checks every argument against the ranges below before it calls a setter.
//
// Setters return false when the radio refused the value and changed nothing.
class RemoteRadio {
  public:
    static constexpr int kVolumeLevelMax = kHighestLevel;
    static constexpr int kSquelchLevelMax = kSquelchLevelMaxDb;
    static constexpr int kPassbandShiftMaxHz = kPassbandShiftLimitHz;

    virtual ~RemoteRadio() = default;

    virtual int FrequencyHz() const = 0;  // MinimumFrequency..30,000,000
    virtual int Mode() const = 0;         // 0 AM, 1 USB, 2 LSB, 3 CW
    virtual int FilterIndex() const = 0;  // row of FilterTable, 0..35
    virtual int Agc() const = 0;          // 1 slow, 2 medium, 3 fast
    // The user's volume, 0..63, also while it is switched off or held down by the squelch.
    virtual int VolumeLevel() const = 0;
    virtual bool VolumeOn() const = 0;
    // The shift the receiver works with: 0 while passband shift is switched off.
    virtual int PassbandShiftHz() const = 0;
    virtual int SquelchLevel() const = 0;  // 0..90, on the meter's dB scale
    virtual bool SquelchOn() const = 0;
    // The receiver answers the program's queries.
    virtual bool HardwareActive() const = 0;
    // The last reading as the meter shows it, 0..96 dB (20 log10 of the receiver's raw value);
    // empty while no readings are taken (signal display off).
    virtual std::optional<int> SignalStrengthDb() const = 0;

    virtual bool SetFrequencyHz(int frequencyHz) = 0;
    virtual bool SetMode(int mode) = 0;
    virtual bool SetFilterIndex(int filterIndex) = 0;
    virtual bool SetAgc(int agc) = 0;
    virtual bool SetVolumeLevel(int level) = 0;
    virtual bool SetVolumeOn(bool on) = 0;
    // Makes the receiver shift by shiftHz: switches passband shift on when it is off.
    virtual bool SetPassbandShiftHz(int shiftHz) = 0;
    virtual bool SetSquelchLevel(int level) = 0;
    // Refused while the signal strength is not polled, as in the window.
    virtual bool SetSquelchOn(bool on) = 0;
};
