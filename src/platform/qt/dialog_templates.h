#pragma once

#include "platform/qt/qt_dialog_window.h"

class QDialog;

// Builds the controls of dialog template templateId (About 100, COM port 104, Configuration 110,
// Station edit 111, Station file 112) into dialog, with their captions and layout, and registers
// them and their radio groups with window by id. False for a template it does not know.
bool BuildDialogTemplate(int templateId, QDialog& dialog, QtDialogWindow& window);
