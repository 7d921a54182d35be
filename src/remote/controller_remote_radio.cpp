#include "remote/controller_remote_radio.h"

#include "controller/receiver_controller.h"

int ControllerRemoteRadio::FrequencyHz() const {
    return controller_.GetTuning().frequencyHz;
}

int ControllerRemoteRadio::Mode() const {
    return controller_.GetTuning().mode;
}

int ControllerRemoteRadio::FilterIndex() const {
    return controller_.GetTuning().filterIndex;
}

int ControllerRemoteRadio::Agc() const {
    return controller_.GetTuning().agc;
}

int ControllerRemoteRadio::VolumeLevel() const {
    return controller_.Settings().VolumeLevel;
}

bool ControllerRemoteRadio::VolumeOn() const {
    return controller_.Settings().VolumeOn == 1;
}

int ControllerRemoteRadio::PassbandShiftHz() const {
    return controller_.GetTuning().passbandShiftHz;
}

int ControllerRemoteRadio::SquelchLevel() const {
    return controller_.Settings().SquelchLevel;
}

bool ControllerRemoteRadio::SquelchOn() const {
    return controller_.Settings().UseSquelchLevel == 1;
}

bool ControllerRemoteRadio::HardwareActive() const {
    return controller_.HardwareActive() == 1;
}

std::optional<int> ControllerRemoteRadio::SignalStrengthDb() const {
    return controller_.LastSignalDb();
}

bool ControllerRemoteRadio::SetFrequencyHz(int frequencyHz) {
    // Shows the readout itself.
    controller_.SetFrequency(frequencyHz);
    return true;
}

bool ControllerRemoteRadio::SetMode(int mode) {
    controller_.SetMode(mode);
    return Shown();
}

bool ControllerRemoteRadio::SetFilterIndex(int filterIndex) {
    controller_.SetFilter(filterIndex);
    return Shown();
}

bool ControllerRemoteRadio::SetAgc(int agc) {
    controller_.SetAgc(agc);
    return Shown();
}

bool ControllerRemoteRadio::SetVolumeLevel(int level) {
    controller_.SetVolumeLevel(level);
    return Shown();
}

bool ControllerRemoteRadio::SetVolumeOn(bool on) {
    controller_.SetVolumeOn(on ? 1 : 0);
    return Shown();
}

bool ControllerRemoteRadio::SetPassbandShiftHz(int shiftHz) {
    controller_.SetPassbandShift(shiftHz);
    // Only a shift that does something needs the switch; 0 leaves the user's choice alone.
    if (shiftHz != 0 && controller_.Settings().PBShiftActive != 1) {
        controller_.SetPassbandShiftOn(1);
    }
    return Shown();
}

bool ControllerRemoteRadio::SetSquelchLevel(int level) {
    controller_.SetSquelchLevel(level);
    return Shown();
}

bool ControllerRemoteRadio::SetSquelchOn(bool on) {
    controller_.SetUseSquelch(on ? 1 : 0);
    // The controller keeps the squelch off while the signal is not polled.
    if (SquelchOn() != on) return false;
    return Shown();
}

bool ControllerRemoteRadio::Shown() {
    controller_.ShowRadioState();
    return true;
}
