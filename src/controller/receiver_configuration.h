#pragma once

// The nine values the Configuration dialog edits, in the order it hands them over.
struct ReceiverConfiguration {
    int comPort = 1;  // 1..4
    int correctionPoint1Hz = 0;
    int correction1Hz = 0;
    int correctionPoint2Hz = 0;
    int correction2Hz = 0;
    int displayMHz = 0;  // 1 MHz, 0 kHz
    int cwFrequencyHz = 0;
    int tuningTimeSlowMs = 0;
    int tuningTimeFastMs = 0;
};

// The receiver's tuning as a station records it; the shift is 0 while passband shift is off.
struct TuningState {
    int frequencyHz = 0;
    int displayMHz = 0;
    int mode = 0;
    int agc = 0;
    int filterIndex = 0;
    int passbandShiftHz = 0;
};

// What "Stat File" asks the controller to do with the station file.
enum class StationFileOperation { New = 1, Open = 2, Save = 3, SaveAs = 4 };
