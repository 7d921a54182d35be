// ZORIVAN: control program for the Ten-Tec RX-320 shortwave receiver.
//
// The program takes no arguments. For tests and demonstrations two environment variables exist:
//   ZORIVAN_PROFILE=<file>     use this profile instead of ~/.config/zorivan.INI
//   ZORIVAN_SCREENSHOT=<png>   save the main window to this file once it has run for a moment
//                              (ZORIVAN_SCREENSHOT_DELAY_MS, default 2000)

#include <QApplication>
#include <QElapsedTimer>
#include <QIcon>
#include <QWindow>
#include <clocale>
#include <cstdlib>
#include <string>

#include "app/com_port_dialog.h"
#include "app/ini_profile.h"
#include "controller/receiver_controller.h"
#include "platform/posix/posix_serial_device.h"
#include "platform/posix/process_signals.h"
#include "platform/posix/profile_location.h"
#include "platform/posix/serial_device_list.h"
#include "platform/qt/event_loop_stall_watch.h"
#include "platform/qt/main_window.h"
#include "platform/qt/qt_copy_data_bus.h"
#include "platform/qt/qt_host.h"
#include "platform/qt/qt_remote_control.h"
#include "platform/qt/qt_timer_host.h"
#include "platform/qt/scan_window.h"
#include "platform/qt/schedule_window.h"
#include "platform/qt/screenshot_request.h"
#include "platform/qt/strip_chart_window.h"
#include "platform/qt/sweep_window.h"
#include "platform/qt/system_utc_clock.h"
#include "scan/scan_commands.h"
#include "schedule/schedule_commands.h"
#include "ui/main_dialog.h"

namespace {

// How long start-up waits for the window system to show the main window before going on.
constexpr int kExposeWaitMs = 2000;
constexpr int kExposeStepMs = 20;

std::string ProfilePath() {
    const char* chosen = std::getenv("ZORIVAN_PROFILE");
    return chosen != nullptr && *chosen != '\0' ? std::string(chosen)
                                                : DefaultProfilePath("zorivan");
}

}  // namespace

int main(int argc, char* argv[]) {
    SetUpProcessSignals();
    QApplication application(argc, argv);
    // Qt has just switched to the system locale; the profile, the station file and the displays
    // are written and read with '.' as the decimal point whatever the user's language.
    std::setlocale(LC_NUMERIC, "C");
    QApplication::setApplicationName(QStringLiteral("zorivan"));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/zorivan.png")));
    // The run ends with the main window's exit sequence, not when some window closes (the COM
    // port question closes before the main window opens).
    application.setQuitOnLastWindowClosed(false);

    IniProfileStore profile(ProfilePath());
    QtHost host;
    CComPortDialog comPortDialog(host);
    PosixSerialDevice device;
    QtTimerHost timers;
    SystemUtcClock clock;
    CReceiverController controller(device, timers, clock, host);
    // The window never waits for the 1200-baud line: a tuning command holds it 67 ms, the whole
    // state sent at every recovery over half a second.
    controller.RunLinkOnWorker();
    MainWindow window;
    CMainDialog dialog(host, window);
    window.SetDialog(&dialog);
    dialog.SetController(&controller);
    // The Configuration dialog lists the serial devices present and tries a chosen port on a
    // spare device, so it can say why that port will not open.
    PosixSerialDeviceLister deviceLister;
    PosixSerialDevice probeDevice;
    dialog.SetSerialPortHelpers(SerialPortHelpers{&deviceLister, &probeDevice});
    controller.SetMainView(&dialog);
    ScheduleCommands schedule(controller, clock, host, dialog, window, window);
    dialog.SetSchedule(&schedule);
    ScheduleWindow scheduleWindow(schedule, &window);
    schedule.SetView(&scheduleWindow);
    ScanCommands scan(controller, host);
    dialog.SetScan(&scan);
    SweepWindow sweepWindow(scan, &window);
    StripChartWindow stripChart(controller, &window);
    ScanWindow scanWindow(scan, sweepWindow, stripChart, window, &window);
    scan.SetWindows(&scanWindow);
    scan.Sweep().SetView(&sweepWindow);
    scan.Scanner().SetView(&scanWindow);

    // Settings and stations first: the COM-port question, and a station file that cannot be
    // read, are answered before the main window is there.
    controller.LoadSettingsAndStations(profile, comPortDialog);
    // The schedule the profile names: one that cannot be read is said once and left empty.
    schedule.LoadAtStart();
    // The signal log the profile has on; a file that cannot be written is said once.
    scan.LoadAtStart();
    scanWindow.ShowSignalLog();

    host.SetParentWindow(&window);
    // exit, not quit: quit would first ask every window to close, and the main window answers a
    // close with the exit question.
    QObject::connect(&window, &QDialog::finished, &application, [] { QCoreApplication::exit(0); });
    window.show();
    // The first alive check, queued by the start, sends the whole state when the receiver answers
    // (over half a second on the line); let the window be exposed and painted first, so the user
    // sees it at once instead of after that exchange.
    QElapsedTimer exposing;
    exposing.start();
    while (window.windowHandle() != nullptr && !window.windowHandle()->isExposed() &&
           exposing.elapsed() < kExposeWaitMs) {
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents, kExposeStepMs);
    }
    dialog.OnInitDialog();
    window.repaint();
    // The exchange with the station-database program takes part only now that start-up is done:
    // a message taken earlier would be undone by the settings loaded, and the partner finds this
    // window by the title the first alive check gives it. Without a usable bus directory the
    // program runs on and only the exchange is missing.
    QtCopyDataBus exchange(window, dialog);
    exchange.Open();
    dialog.SetCopyDataBus(&exchange.Bus());
    // Network control likewise: a client's first command must not be undone by the start.
    QtRemoteControl remote(controller, *window.RemoteStatus());
    window.SetRemoteSwitch([&remote] { return remote.Enabled(); },
                           [&remote](bool on) { remote.SetEnabled(on); });
    remote.Apply();
    ScheduleScreenshotFromEnvironment(window);
    EventLoopStallWatch stallWatch;
    if (!window.Ended()) {
        QApplication::exec();
    }

    window.SetDialog(nullptr);
    window.SetRemoteSwitch({}, {});
    controller.SaveSettingsAndFreeStations(profile);
    return EXIT_SUCCESS;
}
