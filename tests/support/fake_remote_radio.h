#pragma once

#include <optional>

#include "remote/remote_radio.h"

// A radio in memory for the remote's tests: public fields for its state, and a record of any
// setter called with a value outside the range the interface promises.
class FakeRemoteRadio : public RemoteRadio {
  public:
    int frequencyHz = 6075000;
    int mode = 0;
    int filterIndex = 28;
    int agc = 2;
    int volumeLevel = 16;
    bool volumeOn = true;
    int passbandShiftHz = 0;
    int squelchLevel = 0;
    bool squelchOn = false;
    bool hardwareActive = true;
    std::optional<int> signalDb = 40;  // empty: the signal display is off
    int setterCalls = 0;
    bool rangeBroken = false;

    int FrequencyHz() const override { return frequencyHz; }
    int Mode() const override { return mode; }
    int FilterIndex() const override { return filterIndex; }
    int Agc() const override { return agc; }
    int VolumeLevel() const override { return volumeLevel; }
    bool VolumeOn() const override { return volumeOn; }
    int PassbandShiftHz() const override { return passbandShiftHz; }
    int SquelchLevel() const override { return squelchLevel; }
    bool SquelchOn() const override { return squelchOn; }
    bool HardwareActive() const override { return hardwareActive; }
    std::optional<int> SignalStrengthDb() const override { return signalDb; }

    bool SetFrequencyHz(int hz) override;
    bool SetMode(int value) override { return Store(mode, value, 0, 3); }
    bool SetFilterIndex(int index) override { return Store(filterIndex, index, 0, 35); }
    bool SetAgc(int value) override { return Store(agc, value, 1, 3); }
    bool SetVolumeLevel(int level) override { return Store(volumeLevel, level, 0, 63); }
    bool SetVolumeOn(bool on) override;
    bool SetPassbandShiftHz(int hz) override { return Store(passbandShiftHz, hz, -1000, 1000); }
    bool SetSquelchLevel(int level) override { return Store(squelchLevel, level, 0, 90); }
    // Refused while no readings are taken, as the program refuses it.
    bool SetSquelchOn(bool on) override;

  private:
    bool Store(int& field, int value, int lowest, int highest);
};
