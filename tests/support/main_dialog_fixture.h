#pragma once

#include <gtest/gtest.h>

#include "support/controller_test_access.h"
#include "support/main_window_rig.h"

// The main dialog tests on the window rig. Clicks behave as the toolkit's: the clicked radio
// button is checked (its group released) or the check box toggled before the handler runs.
class MainDialogTest : public testing::Test, public MainWindowRig {
  protected:
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

    ProfileSettings& Settings() { return ControllerTestAccess::Settings(controller); }
    CReceiverLink& Link() { return ControllerTestAccess::Link(controller); }
};
