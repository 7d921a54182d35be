#pragma once

#include <functional>

#include "base/toolkit.h"
#include "support/fake_dialog_window.h"

// Declares the radio groups of a dialog template in window, as the real templates have them.
void DeclareTemplateGroups(int templateId, FakeDialogWindow& window);

// What the user does in a shown dialog: types into window, clicks through dialog.OnCommand.
using DialogUser = std::function<void(DialogLogic& dialog, FakeDialogWindow& window)>;

// A FakeHost::modalHandler. Each run starts window afresh with the template's radio groups,
// initialises the dialog in it, lets user act, and returns the result the dialog ended with
// (IDCANCEL when the user left it open, as closing it would give). window stays for inspection.
//
//     FakeDialogWindow shown;
//     host.modalHandler = ShowDialogIn(shown, [](DialogLogic& d, FakeDialogWindow& w) {
//         w.SetText(IDC_EDIT_NAME, "Example");
//         d.OnCommand(w, IDOK);
//     });
std::function<int(DialogLogic&)> ShowDialogIn(FakeDialogWindow& window, DialogUser user);

// A user who presses one button and nothing else.
DialogUser Press(int buttonId);
