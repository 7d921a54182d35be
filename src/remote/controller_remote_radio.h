#pragma once

#include "remote/remote_radio.h"

class CReceiverController;

// The radio a network client drives: the controller's own state, changed through the same
// operations the window uses, and the window shown the change as if the user had made it.
class ControllerRemoteRadio : public RemoteRadio {
  public:
    // Not owned; must outlive this object.
    explicit ControllerRemoteRadio(CReceiverController& controller) : controller_(controller) {}

    int FrequencyHz() const override;
    int Mode() const override;
    int FilterIndex() const override;
    int Agc() const override;
    int VolumeLevel() const override;
    bool VolumeOn() const override;
    int PassbandShiftHz() const override;
    int SquelchLevel() const override;
    bool SquelchOn() const override;
    bool HardwareActive() const override;
    std::optional<int> SignalStrengthDb() const override;

    bool SetFrequencyHz(int frequencyHz) override;
    bool SetMode(int mode) override;
    bool SetFilterIndex(int filterIndex) override;
    bool SetAgc(int agc) override;
    bool SetVolumeLevel(int level) override;
    bool SetVolumeOn(bool on) override;
    bool SetPassbandShiftHz(int shiftHz) override;
    bool SetSquelchLevel(int level) override;
    bool SetSquelchOn(bool on) override;

  private:
    // The window shows what the client changed; returns true.
    bool Shown();

    CReceiverController& controller_;
};
