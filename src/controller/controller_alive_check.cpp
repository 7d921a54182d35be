// The alive check: every three seconds the receiver is asked for its version, and a lost port is
// opened again, so the window knows whether the hardware answers.

#include "controller/receiver_controller.h"

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
