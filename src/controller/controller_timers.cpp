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
            if (id >= kFirstClientTimer) {
                // A copy: a tick may end a scan, which may remove its client.
                const std::vector<TimerSink*> clients = timerClients_;
                for (TimerSink* client : clients) client->OnTimer(id);
            }
            break;
    }
}
