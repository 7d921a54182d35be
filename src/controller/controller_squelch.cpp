// The squelch: below the chosen level the receiver's audio is muted; at or above it the user's
// levels come back.

#include "controller/receiver_controller.h"

void CReceiverController::ApplySquelch(int levelDb) {
    if (settings_.UseSquelchLevel != 1) {
        if (squelchOffHandled_ == 0) {
            ReleaseSquelch();
            squelchOffHandled_ = 1;
        }
        return;
    }
    // No hysteresis: commands go out only when the state changes.
    if (levelDb < settings_.SquelchLevel) {
        if (squelchState_ != 1) {
            link_.SetLineLevel(0);
            link_.SetVolume(0);
            if (view_ != nullptr) view_->ShowSquelchState(1);
            squelchState_ = 1;
        }
    } else if (squelchState_ != 0) {
        RestoreAudioLevels();
        if (view_ != nullptr) view_->ShowSquelchState(0);
        squelchState_ = 0;
    }
    squelchOffHandled_ = 0;
}

void CReceiverController::ReleaseSquelch() {
    // The lamp is left alone: the window turns it off when the user switches the squelch off.
    if (squelchState_ == 1) RestoreAudioLevels();
    squelchState_ = -1;
}

void CReceiverController::RestoreAudioLevels() {
    if (settings_.LineOn == 1) link_.SetLineLevel(settings_.LineLevel);
    if (settings_.VolumeOn == 1) link_.SetVolume(settings_.VolumeLevel);
}
