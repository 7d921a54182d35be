// ZORIVAN for Windows: control program for the Ten-Tec RX-320 shortwave receiver.
//
// The program takes no arguments. For tests one environment variable exists:
//   ZORIVAN_PROFILE=<file>     use this profile instead of %APPDATA%\ZORIVAN\zorivan.INI

#include <cstdlib>
#include <string>

#include "app/com_port_dialog.h"
#include "app/ini_profile.h"
#include "controller/receiver_controller.h"
#include "platform/win32/profile_location_win32.h"
#include "platform/win32/win32_api.h"
#include "platform/win32/win32_copy_data_bus.h"
#include "platform/win32/win32_host.h"
#include "platform/win32/win32_main_window.h"
#include "platform/win32/win32_serial_device.h"
#include "platform/win32/win32_serial_device_lister.h"
#include "platform/win32/win32_timer_host.h"
#include "platform/win32/win32_utc_clock.h"
#include "ui/main_dialog.h"

namespace {

std::string ProfilePath() {
    const char* chosen = std::getenv("ZORIVAN_PROFILE");
    return chosen != nullptr && *chosen != '\0' ? std::string(chosen) : DefaultProfilePath();
}

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    INITCOMMONCONTROLSEX controls{sizeof controls,
                                  ICC_BAR_CLASSES | ICC_LISTVIEW_CLASSES | ICC_STANDARD_CLASSES};
    ::InitCommonControlsEx(&controls);

    // Everything the program is made of, wired as on every host: the controller owns the radio
    // state, the main dialog logic drives the window, the host supplies dialogs and timers.
    IniProfileStore profile(ProfilePath());
    Win32Host host;
    CComPortDialog comPortDialog(host);
    Win32SerialDevice device;
    Win32TimerHost timers;
    Win32UtcClock clock;
    CReceiverController controller(device, timers, clock, host);
    // The window never waits for the 1200-baud line; replies come back through the host's Post.
    controller.RunLinkOnWorker();
    Win32MainWindow window;
    CMainDialog dialog(host, window);
    window.SetDialog(&dialog);
    dialog.SetController(&controller);
    // The Configuration dialog lists the COM ports present and tries a chosen one on a spare
    // device, so it can say why that port will not open.
    Win32SerialDeviceLister deviceLister;
    Win32SerialDevice probeDevice;
    dialog.SetSerialPortHelpers(SerialPortHelpers{&deviceLister, &probeDevice});
    controller.SetMainView(&dialog);

    // Settings and stations first: the COM-port question, and a station file that cannot be
    // read, are answered before the main window is there.
    controller.LoadSettingsAndStations(profile, comPortDialog);

    if (!window.Create()) {
        host.MessageBox("The main window cannot be created.", MessageButtons::Ok,
                        MessageIcon::Exclamation);
        return EXIT_FAILURE;
    }
    host.SetParentWindow(window.Handle());
    // The broadcast schedule has no window on this host yet: its button stays greyed.
    ::EnableWindow(::GetDlgItem(window.Handle(), IDC_SCHEDULE), FALSE);
    window.Show();
    dialog.OnInitDialog();
    // The exchange takes part only now that start-up is done: the partner finds this window by
    // the title the first alive check gives it.
    Win32CopyDataBus exchange(window.Handle());
    dialog.SetCopyDataBus(&exchange);
    window.AcceptCopyData(true);
    window.RunMessageLoop();

    window.SetDialog(nullptr);
    controller.SaveSettingsAndFreeStations(profile);
    return EXIT_SUCCESS;
}
