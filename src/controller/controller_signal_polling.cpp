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
        // One query at a time: on a busy line the polls slow down instead of queueing up.
        if (signalQueryWaiting_ == 0) {
            signalQueryWaiting_ = 1;
            link_.QuerySignalStrength([this, run = linkRun_](int result, int levelDb) {
                if (run != linkRun_) return;
                signalQueryWaiting_ = 0;
                TakeSignalReading(result, levelDb);
            });
        }
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

void CReceiverController::TakeSignalReading(int result, int levelDb) {
    // The meter may have been switched off, or the receiver lost, while the query was out.
    if (settings_.DisplaySignalStrength != 1 || hardwareActive_ != 1) return;
    // A failed query gives 0, which the average and the squelch take like any reading.
    SetHardwareActive(result == LinkResult::kOk ? 1 : 0);
    lastSignalDb_ = levelDb;
    const int averageDb = signalAverage_.Add(levelDb);
    ApplySquelch(levelDb);
    if (view_ != nullptr) view_->ShowSignalLevels(levelDb, averageDb);
}
