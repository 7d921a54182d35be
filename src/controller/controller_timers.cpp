// The controller's periodic work: clock, alive check, signal strength with its average and the
// squelch. Each tick does at most one blocking exchange with the receiver, bounded by the port's
// time-outs.

#include "controller/receiver_controller.h"

void CReceiverController::OnTimer(int id) {
    switch (id) {
        case kClockTimer:
            if (view_ != nullptr) view_->ShowUtcTime(clock_.Now());
            break;
        case kAliveTimer:
            CheckAlive();
            break;
        case kSignalTimer:
            UpdateSignalStrength();
            break;
        case kRepeatDelayTimer:
            RepeatDelayElapsed();
            break;
        case kRepeatTimer:
            // At a band edge Step does nothing; the timer runs on until it is stopped.
            Step(repeatDirection_);
            break;
        default:
            break;
    }
}

void CReceiverController::CheckAlive() {
    // While the signal is polled every 200 ms, that poll already notices a silent receiver.
    if (settings_.DisplaySignalStrength == 1 && hardwareActive_ == 1) return;
    ReopenLostPort();
    SetHardwareActive(link_.NotResponding() == 0 ? 1 : 0);
}

void CReceiverController::ReopenLostPort() {
    // A pulled USB adapter leaves a dead handle behind, and one that was missing at start leaves
    // none; opening the port again lets the receiver come back when it is plugged in, without a
    // restart. A port that is open and healthy is left alone.
    if (link_.IsOpen() && !link_.DeviceGone()) return;
    link_.Disconnect();
    link_.Connect(settings_.ComPort);
}

void CReceiverController::UpdateSignalStrength() {
    if (settings_.DisplaySignalStrength != 1) {
        if (meterOffShown_ == 0) {
            ReleaseSquelch();
            if (view_ != nullptr) view_->ShowSignalLevels(0, 0);
            meterOffShown_ = 1;
        }
        return;
    }

    if (hardwareActive_ == 1) {
        // A failed query gives 0, which the average and the squelch take like any reading.
        int levelDb = 0;
        SetHardwareActive(link_.QuerySignalStrength(levelDb) == 0 ? 1 : 0);
        const int averageDb = signalAverage_.Add(levelDb);
        ApplySquelch(levelDb);
        if (view_ != nullptr) view_->ShowSignalLevels(levelDb, averageDb);
        meterInactiveShown_ = 0;
        meterOffShown_ = 0;
        return;
    }

    if (meterInactiveShown_ == 0) {
        if (view_ != nullptr) view_->ShowSignalLevels(0, 0);
        meterInactiveShown_ = 1;
    }
    meterOffShown_ = 0;
}

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
