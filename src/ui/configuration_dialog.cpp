#include "ui/configuration_dialog.h"

#include <cmath>
#include <cstddef>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "base/minimum_frequency.h"
#include "controller/receiver_controller.h"
#include "link/com_port_map.h"
#include "ui/dialog_data_exchange.h"
#include "ui/port_problem_text.h"
#include "ui/serial_device_lister.h"

namespace {

constexpr int kPathIds[4] = {IDC_CFG_PATH_COM1, IDC_CFG_PATH_COM2, IDC_CFG_PATH_COM3,
                             IDC_CFG_PATH_COM4};

// The same limits the receiver link puts on a correction pair.
constexpr double kMinimumPointDistanceKHz = kCorrectionPointsMinimumApartHz / 1000;

std::string TrimBlanks(const std::string& text) {
    const std::size_t first = text.find_first_not_of(" \t");
    if (first == std::string::npos) return std::string();
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

}  // namespace

CConfigurationDialog::CConfigurationDialog(Host& host, const SerialPortHelpers& helpers)
    : host_(host), helpers_(helpers) {}

void CConfigurationDialog::OnInitDialog(DialogWindow& window) {
    window.SetRadioIndex(IDC_CFG_COM1, comPortIndex);
    window.SetRadioIndex(IDC_CFG_KHZ, displayUnitIndex);
    window.SetText(IDC_CFG_CORRECTION1, std::to_string(correction1));
    window.SetText(IDC_CFG_CORRECTION2, std::to_string(correction2));
    window.SetText(IDC_CFG_POINT1, ExchangeNumberText(point1));
    window.SetText(IDC_CFG_POINT2, ExchangeNumberText(point2));
    window.SetText(IDC_CFG_TIME_FAST, std::to_string(tuningTimeFast));
    window.SetText(IDC_CFG_TIME_SLOW, std::to_string(tuningTimeSlow));
    window.SetText(IDC_CFG_CW_FREQUENCY, std::to_string(cwFrequency));

    std::vector<std::string> devices;
    if (helpers_.lister != nullptr) devices = helpers_.lister->List();
    for (std::size_t port = 0; port < portPaths.size(); ++port) {
        for (const std::string& device : devices) window.AddListItem(kPathIds[port], device);
        window.SetText(kPathIds[port], portPaths[port]);
    }
    ShowPortProblem(window);
}

void CConfigurationDialog::OnCommand(DialogWindow& window, int id) {
    switch (id) {
        case IDOK:
            if (ExchangeFromControls(window) && CorrectionPairAcceptable(window)) {
                window.EndDialog(IDOK);
            }
            break;
        case IDCANCEL:
            window.EndDialog(IDCANCEL);
            break;
        case IDC_CFG_COM1:
        case IDC_CFG_COM2:
        case IDC_CFG_COM3:
        case IDC_CFG_COM4:
            ShowPortProblem(window);
            break;
        default:
            break;
    }
}

bool CConfigurationDialog::ExchangeFromControls(DialogWindow& window) {
    comPortIndex = window.GetRadioIndex(IDC_CFG_COM1);
    displayUnitIndex = window.GetRadioIndex(IDC_CFG_KHZ);
    // The order decides which failing field is reported first.
    const double lowestPointKHz = MinimumFrequency * 0.001;
    const double highestPointKHz = kMaximumFrequency * 0.001;
    const bool fieldsAcceptable =
        ExchangeInteger(window, host_, IDC_CFG_CORRECTION1, -kCorrectionLimitHz, kCorrectionLimitHz,
                        correction1) &&
        ExchangeInteger(window, host_, IDC_CFG_CORRECTION2, -kCorrectionLimitHz, kCorrectionLimitHz,
                        correction2) &&
        ExchangeNumber(window, host_, IDC_CFG_POINT1, lowestPointKHz, highestPointKHz, point1) &&
        ExchangeNumber(window, host_, IDC_CFG_POINT2, lowestPointKHz, highestPointKHz, point2) &&
        ExchangeInteger(window, host_, IDC_CFG_TIME_FAST, kTuningTimeFastMinMs,
                        kTuningTimeFastMaxMs, tuningTimeFast) &&
        ExchangeInteger(window, host_, IDC_CFG_TIME_SLOW, kTuningTimeSlowMinMs,
                        kTuningTimeSlowMaxMs, tuningTimeSlow) &&
        ExchangeInteger(window, host_, IDC_CFG_CW_FREQUENCY, -kCwFrequencyLimitHz,
                        kCwFrequencyLimitHz, cwFrequency);
    if (!fieldsAcceptable) return false;
    for (std::size_t port = 0; port < portPaths.size(); ++port) {
        const std::string path = TrimBlanks(window.GetText(kPathIds[port]));
        // An emptied field means the port's usual device.
        portPaths[port] = path.empty() ? ComPortMap::DefaultPath(static_cast<int>(port) + 1) : path;
    }
    return true;
}

bool CConfigurationDialog::CorrectionPairAcceptable(DialogWindow& window) {
    if (std::fabs(point1 - point2) < kMinimumPointDistanceKHz) {
        char distance[16];
        std::snprintf(distance, sizeof distance, "%5.0f", kMinimumPointDistanceKHz);
        host_.MessageBox(std::string("The difference between the frequencies where the correction\n"
                                     "frequencies are determined must not be less than ") +
                             distance + " KHz !",
                         MessageButtons::Ok, MessageIcon::Exclamation);
        window.SetFocus(IDC_CFG_POINT1);
        return false;
    }
    if (std::abs(correction1 - correction2) > kCorrectionsMaximumApartHz) {
        host_.MessageBox(std::string("The difference between the correction frequencies\n"
                                     "must not be greater than ") +
                             std::to_string(kCorrectionsMaximumApartHz) + " Hz !",
                         MessageButtons::Ok, MessageIcon::Exclamation);
        window.SetFocus(IDC_CFG_CORRECTION1);
        return false;
    }
    return true;
}

void CConfigurationDialog::ShowPortProblem(DialogWindow& window) {
    if (helpers_.probe == nullptr) return;
    const int index = window.GetRadioIndex(IDC_CFG_COM1);
    std::string problem;
    if (index >= 0 && index < static_cast<int>(portPaths.size())) {
        const std::string path = TrimBlanks(window.GetText(kPathIds[index]));
        // The device the program already holds works; trying it again would only find it busy.
        if (!path.empty() && path != openDevicePath) {
            problem = PortProblemText(ProbePort(*helpers_.probe, path), path);
        }
    }
    window.SetText(IDC_CFG_PORT_PROBLEM, problem);
}

void RunConfiguration(CReceiverController& controller, Host& host,
                      const SerialPortHelpers& helpers) {
    controller.StopContinuousTuning();
    const ReceiverConfiguration current = controller.GetConfiguration();

    CConfigurationDialog dialog(host, helpers);
    dialog.comPortIndex = current.comPort - 1;
    dialog.displayUnitIndex = current.displayMHz;
    dialog.correction1 = current.correction1Hz;
    dialog.correction2 = current.correction2Hz;
    dialog.cwFrequency = current.cwFrequencyHz;
    dialog.tuningTimeSlow = current.tuningTimeSlowMs;
    dialog.tuningTimeFast = current.tuningTimeFastMs;
    // Whole kilohertz, as the points are entered.
    dialog.point1 = static_cast<double>(current.correctionPoint1Hz / 1000);
    dialog.point2 = static_cast<double>(current.correctionPoint2Hz / 1000);
    ComPortMap ports = controller.Ports();
    for (std::size_t port = 0; port < dialog.portPaths.size(); ++port) {
        dialog.portPaths[port] = ports.PathOf(static_cast<int>(port) + 1);
    }
    dialog.openDevicePath = controller.OpenDevicePath();

    if (host.RunModal(dialog) != IDOK) return;

    for (std::size_t port = 0; port < dialog.portPaths.size(); ++port) {
        ports.SetPath(static_cast<int>(port) + 1, dialog.portPaths[port]);
    }
    ReceiverConfiguration chosen;
    chosen.comPort = dialog.comPortIndex + 1;
    chosen.correctionPoint1Hz = static_cast<int>(dialog.point1 * 1000);
    chosen.correction1Hz = dialog.correction1;
    chosen.correctionPoint2Hz = static_cast<int>(dialog.point2 * 1000);
    chosen.correction2Hz = dialog.correction2;
    chosen.displayMHz = dialog.displayUnitIndex;
    chosen.cwFrequencyHz = dialog.cwFrequency;
    chosen.tuningTimeSlowMs = dialog.tuningTimeSlow;
    chosen.tuningTimeFastMs = dialog.tuningTimeFast;
    controller.SetConfiguration(chosen, ports);
}
