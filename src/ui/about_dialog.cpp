#include "ui/about_dialog.h"

#include <cstdio>

#include "base/program_texts.h"
#include "controller/receiver_controller.h"

const char* const kAboutKeysText =
    "Keys: 0-9 . type a frequency, z tune it, t/T step, c/C continuous, s/S step size, m/M mode, "
    "a/A AGC, g/G f/F filter, p/P shift, v/V volume, l/L line, q/Q squelch, o list, x tune, "
    "n add, u update, e edit, d delete, i file, k ZEL, r config, b schedule, w/W sweep "
    "window/start, "
    "h strip chart, y/Y scan window/band scan, j memory scan, J resume, X skip; Ctrl+ C stop, "
    "Y fast, P V L Q B on/off, G signal log";

void CAboutDialog::OnInitDialog(DialogWindow& window) {
    window.SetText(IDC_ABOUT_VERSION, versionText);
    window.SetText(IDC_ABOUT_FIRMWARE, firmwareText);
    window.SetText(IDC_ABOUT_KEYS, kAboutKeysText);
}

void CAboutDialog::OnCommand(DialogWindow& window, int id) {
    if (id == IDOK || id == IDCANCEL) window.EndDialog(id);
}

std::string FirmwareVersionText(int queryResult, int version) {
    if (queryResult != 0) return "RX-320 does not respond, please check.";
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "RX-320 Firmware Version:   %5.2f", version * 0.01);
    return buffer;
}

void RunAbout(CReceiverController& controller, Host& host) {
    controller.StopContinuousTuning();
    // The box opens when the receiver has answered (or has not, within its time-out).
    controller.ReadFirmwareVersion([&host](int result, int version) {
        CAboutDialog dialog;
        dialog.versionText = kProgramVersion;
        dialog.firmwareText = FirmwareVersionText(result, version);
        host.RunModal(dialog);
    });
}
