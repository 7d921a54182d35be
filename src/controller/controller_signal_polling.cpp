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
        PollSignal();
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

void CReceiverController::PollSignal() {
    // One query at a time: on a busy line the polls slow down instead of queueing up. A
    // scan's measurement feeds the meter meanwhile, so the poll keeps off its line.
    if (measurementsWaiting_ != 0) return;
    if (signalQueryWaiting_ == 1) {
        // Behind a stream of commands the answer comes late; the poll it held back goes out
        // as soon as it is in, so the meter keeps its pace as far as the line allows.
        signalPollHeldBack_ = 1;
        return;
    }
    signalQueryWaiting_ = 1;
    link_.QuerySignalStrength(
        [this, run = linkRun_, frequencyHz = settings_.Frequency](int result, int levelDb) {
            if (run != linkRun_) return;
            signalQueryWaiting_ = 0;
            TakeSignalReading(result, levelDb, frequencyHz);
            if (signalPollHeldBack_ == 1) {
                signalPollHeldBack_ = 0;
                UpdateSignalStrength();
            }
        });
}

void CReceiverController::MeasureSignal(std::function<void(int result, int levelDb)> answer) {
    ++measurementsWaiting_;
    link_.QuerySignalStrength([this, run = linkRun_, frequencyHz = settings_.Frequency,
                               answer = std::move(answer)](int result, int levelDb) {
        if (run != linkRun_) {
            answer(LinkResult::kNotOpen, 0);
            return;
        }
        --measurementsWaiting_;
        TakeSignalReading(result, levelDb, frequencyHz);
        answer(result, levelDb);
    });
}

void CReceiverController::TakeSignalReading(int result, int levelDb, int frequencyHz) {
    // The meter may have been switched off, or the receiver lost, while the query was out.
    if (settings_.DisplaySignalStrength != 1 || hardwareActive_ != 1) return;
    // A failed query gives 0, which the average and the squelch take like any reading.
    SetHardwareActive(result == LinkResult::kOk ? 1 : 0);
    lastSignalDb_ = levelDb;
    const int averageDb = signalAverage_.Add(levelDb);
    ApplySquelch(levelDb);
    if (view_ != nullptr) view_->ShowSignalLevels(levelDb, averageDb);
    if (result != LinkResult::kOk) return;
    const SignalReading reading{clock_.Now(), frequencyHz, settings_.Mode, levelDb};
    const std::vector<ReceiverObserver*> observers = observers_;
    for (ReceiverObserver* observer : observers) observer->OnSignalReading(reading);
}
