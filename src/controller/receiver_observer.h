#pragma once

#include "controller/utc_clock.h"

// One reading of the signal meter: when it was taken, where the receiver was tuned, in which
// mode, and the level in dB.
struct SignalReading {
    UtcTime time;
    int frequencyHz = 0;
    int mode = 0;
    int levelDb = 0;
};

// Hears what the controller does that the capabilities above it follow (scanning, the signal log,
// the strip chart). Every call comes on the window thread; none may add or remove observers.
class ReceiverObserver {
  public:
    virtual ~ReceiverObserver() = default;
    // Each reading the receiver answered, a scan's measurements included; failed ones are not.
    virtual void OnSignalReading(const SignalReading& reading) { (void)reading; }
    // Tuned by anything but a scan: the user, a station, the partner program, a network client.
    virtual void OnTunedByUser(int frequencyHz) { (void)frequencyHz; }
    // The receiver stopped answering, or the link was stopped.
    virtual void OnReceiverSilent() {}
};
