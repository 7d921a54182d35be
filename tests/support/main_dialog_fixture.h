#pragma once

#include <gtest/gtest.h>

#include "controller/receiver_controller.h"
#include "support/fake_host.h"
#include "support/fake_main_window.h"
#include "support/scripted_serial_device.h"
#include "support/virtual_clock.h"
#include "ui/main_dialog.h"

// The main dialog on an in-memory window, driving a real controller whose receiver is a script
// and whose timers run on virtual time. Clicks behave as the toolkit's: the clicked radio button
// is checked (its group released) or the check box toggled before the handler runs.
class MainDialogTest : public testing::Test {
  protected:
    MainDialogTest() {
        controller.SetMainView(&dialog);
        dialog.SetController(&controller);
    }

    // The dialog's initialisation; what it wrote to the receiver is forgotten.
    void Start() {
        dialog.OnInitDialog();
        device.ClearRecords();
    }

    void ClickRadio(int id) {
        window.dialog.ClickRadio(id);
        dialog.OnCommand(id);
    }

    void ClickCheck(int id) {
        window.SetCheck(id, window.GetCheck(id) == 0 ? 1 : 0);
        dialog.OnCommand(id);
    }

    void Type(int character, bool expectConsumed = true) {
        EXPECT_EQ(dialog.OnCharacter(character), expectConsumed) << "character " << character;
    }

    ProfileSettings& Settings() { return controller.Settings(); }
    CReceiverLink& Link() { return controller.Link(); }

    ScriptedSerialDevice device;
    VirtualTimerHost clock;
    FakeHost host;
    FakeMainWindow window;
    CReceiverController controller{device, clock, clock, host};
    CMainDialog dialog{host, window};
};
