// The controller's timer ticks, each handed to its job. A tick does at most one blocking exchange
// with the receiver, bounded by the port's time-outs.

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
