#include "support/fake_remote_radio.h"

#include "base/minimum_frequency.h"

bool FakeRemoteRadio::SetFrequencyHz(int hz) {
    return Store(frequencyHz, hz, MinimumFrequency, kMaximumFrequency);
}

bool FakeRemoteRadio::SetVolumeOn(bool on) {
    ++setterCalls;
    volumeOn = on;
    return true;
}

bool FakeRemoteRadio::SetSquelchOn(bool on) {
    ++setterCalls;
    if (on && !signalDb) return false;
    squelchOn = on;
    return true;
}

bool FakeRemoteRadio::Store(int& field, int value, int lowest, int highest) {
    ++setterCalls;
    if (value < lowest || value > highest) {
        rangeBroken = true;
        return false;
    }
    field = value;
    return true;
}
