#pragma once

#include "controller/receiver_controller.h"
#include "support/fake_host.h"
#include "support/fake_main_window.h"
#include "support/scripted_serial_device.h"
#include "support/virtual_clock.h"
#include "ui/main_dialog.h"

// The program's window logic on fakes: a real controller on a scripted receiver and a virtual
// clock, the real main dialog on an in-memory main window, and a host with scripted answers.
// The receiver answers the version query, so after Start it counts as active.
struct MainWindowRig {
    MainWindowRig();
    ~MainWindowRig();
    MainWindowRig(const MainWindowRig&) = delete;
    MainWindowRig& operator=(const MainWindowRig&) = delete;

    // The main dialog's initialisation (which starts the controller) and the first alive check;
    // afterwards the device records only what the test does.
    void Start();
    // Adds a station to the list (not to the view); its node.
    StationNode AddStation(const StationRecord& station);
    // The station behind a row of the view.
    StationRecord StationAt(int row);
    // The commands written to the receiver, queries left out.
    std::vector<ScriptedSerialDevice::Bytes> Commands() const;

    ScriptedSerialDevice device;
    VirtualTimerHost clock;
    FakeHost host;
    FakeMainWindow window;
    CReceiverController controller{device, clock, clock, host};
    CMainDialog dialog{host, window};
};
