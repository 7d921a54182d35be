#pragma once

#include <string>

#include "base/toolkit.h"

class CReceiverController;

// The About box (template 100): program version, the receiver's firmware version, and the
// main window's one-key commands in brief.
class CAboutDialog : public DialogLogic {
  public:
    int TemplateId() const override { return IDD_ABOUTBOX; }
    void OnInitDialog(DialogWindow& window) override;
    void OnCommand(DialogWindow& window, int id) override;

    std::string firmwareText;
    std::string versionText;
};

// The firmware line: "RX-320 Firmware Version:   %5.2f" of version x 0.01 when the query
// (result 0) succeeded, otherwise the request to check the receiver.
std::string FirmwareVersionText(int queryResult, int version);

// The last line of the box: every one-key command of the main window, briefly.
extern const char* const kAboutKeysText;

// "About ZORIVAN": stops continuous tuning, asks the receiver for its version (blocking for at
// most the read time-out) and shows the box.
void RunAbout(CReceiverController& controller, Host& host);
