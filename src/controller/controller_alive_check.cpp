// The alive check: every three seconds the receiver is asked for its version, and a lost port is
// opened again, so the window knows whether the hardware answers.

#include "controller/receiver_controller.h"

void CReceiverController::CheckAlive() {
    // While the signal is polled every 200 ms, that poll already notices a silent receiver.
    if (settings_.DisplaySignalStrength == 1 && hardwareActive_ == 1) return;
    // A silent receiver takes a quarter second to time out; checks must not pile up behind it.
    if (aliveCheckWaiting_ == 1) return;
    aliveCheckWaiting_ = 1;
    link_.CheckAlive(settings_.ComPort, [this, run = linkRun_](bool responding) {
        if (run != linkRun_) return;
        aliveCheckWaiting_ = 0;
        SetHardwareActive(responding ? 1 : 0);
    });
}
