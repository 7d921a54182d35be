// Repeated tuning: a held step button (one step at once, the next after a delay, then one per
// repeat period) and the latching continuous-tuning buttons. Both run on timers, never in a loop.

#include "controller/receiver_controller.h"

int CReceiverController::RepeatPeriodMs() const {
    return settings_.SteppingSpeed == 1 ? settings_.TuningTimeFast : settings_.TuningTimeSlow;
}

int CReceiverController::SetFastStepping(int on) {
    // A change of speed ends a continuous run rather than changing its pace halfway.
    StopContinuousTuning();
    settings_.SteppingSpeed = on;
    return 0;
}

int CReceiverController::StepButton(int direction, int action) {
    StopContinuousTuning();
    if (repeatDelayRunning_ == 1) {
        timers_.KillTimer(kRepeatDelayTimer);
        repeatDelayRunning_ = 0;
    }
    StopRepeatTimer();
    if (action != -1) return 0;
    Step(direction);
    repeatDirection_ = direction;
    timers_.SetTimer(kRepeatDelayTimer, kRepeatDelayMs);
    repeatDelayRunning_ = 1;
    return 0;
}

void CReceiverController::RepeatDelayElapsed() {
    timers_.KillTimer(kRepeatDelayTimer);
    repeatDelayRunning_ = 0;
    StepAndRepeat();
}

int CReceiverController::ContinuousTuning(int direction, int on) {
    if (on == 1) {
        repeatDirection_ = direction;
        StepAndRepeat();
    } else {
        StopRepeatTimer();
    }
    return 0;
}

int CReceiverController::StopContinuousTuning() {
    StopRepeatTimer();
    // Always: the buttons may be checked even when no run is going.
    if (view_ != nullptr) view_->ClearContinuousButtons();
    return 0;
}

void CReceiverController::StepAndRepeat() {
    Step(repeatDirection_);
    timers_.SetTimer(kRepeatTimer, RepeatPeriodMs());
    repeatRunning_ = 1;
}

void CReceiverController::StopRepeatTimer() {
    if (repeatRunning_ == 1) {
        timers_.KillTimer(kRepeatTimer);
        repeatRunning_ = 0;
    }
}
