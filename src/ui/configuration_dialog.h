#pragma once

#include <array>
#include <string>

#include "base/toolkit.h"

class CReceiverController;
class SerialDevice;
class SerialDeviceLister;

// Host helpers for the COM port rows: the pick list of devices present, and a spare serial device
// on which a chosen port is tried when it cannot be used. Either may be null (no list, no check).
struct SerialPortHelpers {
    SerialDeviceLister* lister = nullptr;
    SerialDevice* probe = nullptr;
};

// The Configuration dialog (template 110). OK checks every field in a fixed order, then the two
// correction-pair limits; the first failure is reported, focused, and the dialog stays open.
class CConfigurationDialog : public DialogLogic {
  public:
    // Neither argument is owned.
    CConfigurationDialog(Host& host, const SerialPortHelpers& helpers);

    int TemplateId() const override { return IDD_CONFIGURATION; }
    void OnInitDialog(DialogWindow& window) override;
    void OnCommand(DialogWindow& window, int id) override;

    int comPortIndex = -1;      // 0 = COM1 .. 3 = COM4
    int displayUnitIndex = -1;  // 0 kHz, 1 MHz
    int tuningTimeFast = 0;     // ms
    int tuningTimeSlow = 0;     // ms
    int cwFrequency = 0;        // Hz
    int correction1 = 0;        // Hz
    int correction2 = 0;        // Hz
    double point1 = 0;          // kHz
    double point2 = 0;          // kHz
    // Where COM1..COM4 lead on this host.
    std::array<std::string, 4> portPaths;
    // The device the program holds open right now; never tried, as it is in use by us.
    std::string openDevicePath;

  private:
    // Controls to members, each field parsed and range-checked in turn. False at the first
    // failure, after its message, with the focus on its control.
    bool ExchangeFromControls(DialogWindow& window);
    bool CorrectionPairAcceptable(DialogWindow& window);
    // The problem line for the port whose radio button is on.
    void ShowPortProblem(DialogWindow& window);

    Host& host_;
    SerialPortHelpers helpers_;
};

// "Config": stops continuous tuning, fills the dialog from the controller, and on OK hands the
// values back (the link restarts on the chosen port).
void RunConfiguration(CReceiverController& controller, Host& host,
                      const SerialPortHelpers& helpers = {});
