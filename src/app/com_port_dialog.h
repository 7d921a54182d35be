#pragma once

#include "app/profile_settings.h"
#include "base/toolkit.h"

// Asks for the COM port when the profile holds none (template 104). There is no Cancel: closing
// the dialog any other way than "OK" gives COM1.
class CComPortDialog : public DialogLogic, public ComPortChooser {
  public:
    // host is not owned.
    explicit CComPortDialog(Host& host) : host_(host) {}

    int TemplateId() const override { return IDD_COMPORT; }
    void OnInitDialog(DialogWindow& window) override;
    void OnCommand(DialogWindow& window, int id) override;

    // Runs the dialog; 0 (COM1) .. 3 (COM4).
    int ChooseComPort() override;

  private:
    Host& host_;
    int index_ = 0;
};
