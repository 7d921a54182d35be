// Signal polling: five times a second the receiver is asked for the signal strength, which goes
// to the meter with its running average and to the squelch.

#include "controller/receiver_controller.h"

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
        SetHardwareActive(link_.QuerySignalStrength(levelDb) == LinkResult::kOk ? 1 : 0);
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
