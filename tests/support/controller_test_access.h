#pragma once

#include "controller/receiver_controller.h"

// What a test may reach inside the controller to arrange the state it starts from; the program
// itself changes these only through the controller's operations.
struct ControllerTestAccess {
    static ProfileSettings& Settings(CReceiverController& controller) {
        return controller.settings_;
    }
    static CStationList& Stations(CReceiverController& controller) { return controller.stations_; }
    static CReceiverLink& Link(CReceiverController& controller) { return controller.link_.Link(); }
    static AsyncReceiverLink& AsyncLink(CReceiverController& controller) {
        return controller.link_;
    }
};
