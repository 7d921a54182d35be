#include "scan/scan_commands.h"

#include "base/toolkit.h"
#include "controller/receiver_controller.h"
#include "scan/scan_channels.h"

ScanCommands::ScanCommands(CReceiverController& controller, Host& host)
    : controller_(controller), host_(host), sweep_(controller), scanner_(controller) {
    controller_.AddObserver(&log_);
}

ScanCommands::~ScanCommands() {
    controller_.RemoveObserver(&log_);
}

void ScanCommands::LoadAtStart() {
    const ProfileSettings& settings = controller_.Settings();
    if (settings.SignalLog == 1 && !SetSignalLog(true, settings.SignalLogFile))
        controller_.SetSignalLog(0);
}

std::string ScanCommands::SignalLogFile() const {
    return controller_.Settings().SignalLogFile;
}

bool ScanCommands::SetSignalLog(bool on, const std::string& path) {
    if (!on) {
        log_.Close();
        controller_.SetSignalLog(0);
        return true;
    }
    std::string file = path;
    if (file.empty()) {
        FileDialogOptions options;
        options.title = "Signal log";
        options.initialName = "signal-log.csv";
        options.defaultExtension = "csv";
        options.filter = "CSV files (*.csv)|*.csv|All files (*.*)|*.*||";
        options.overwritePrompt = false;
        if (!host_.GetSaveFileName(options, file)) return false;
    }
    if (!log_.Open(file)) {
        host_.MessageBox("The signal log " + file + " cannot be written.", MessageButtons::Ok,
                         MessageIcon::Exclamation);
        return false;
    }
    controller_.SetSignalLogFile(file);
    controller_.SetSignalLog(1);
    return true;
}

void ScanCommands::ToggleSignalLog() {
    SetSignalLog(!log_.IsOpen(), controller_.Settings().SignalLogFile);
}

bool ScanCommands::Refused(ChannelsStatus status) {
    if (status == ChannelsStatus::kOk) return false;
    host_.MessageBox(StatusMessage(status), MessageButtons::Ok, MessageIcon::Exclamation);
    return true;
}

ChannelsStatus ScanCommands::StartBandScan(const BandScanSettings& settings) {
    lastBandScan_ = settings;
    std::vector<int> channels;
    ChannelsStatus status =
        BandChannels(settings.startHz, settings.stopHz, settings.stepHz, channels);
    if (status == ChannelsStatus::kOk) {
        const ScanRules rules{settings.dwellMs, settings.holdMs, settings.stepHz / 2};
        status = scanner_.Start(channels, rules);
    }
    Refused(status);
    return status;
}

ChannelsStatus ScanCommands::StartMemoryScan(const std::vector<StationNode>& nodes,
                                             const ScanRules& rules) {
    std::vector<int> channels;
    ChannelsStatus status = StationChannels(controller_.Stations(), nodes, channels);
    if (status == ChannelsStatus::kOk) status = scanner_.Start(channels, rules);
    Refused(status);
    return status;
}

ChannelsStatus ScanCommands::StartSweep(int startHz, int stopHz, int stepHz) {
    const ChannelsStatus status = sweep_.Start(startHz, stopHz, stepHz);
    Refused(status);
    return status;
}

std::string ScanCommands::StatusMessage(ChannelsStatus status) {
    switch (status) {
        case ChannelsStatus::kOk:
            return "";
        case ChannelsStatus::kBadStep:
            return "The step must be at least 1 Hz.";
        case ChannelsStatus::kOutOfRange:
            return "Both ends must lie within the receiver's range.";
        case ChannelsStatus::kTooMany:
            return "That would be more than " + std::to_string(kMaximumChannels) +
                   " steps; choose a larger step or a smaller range.";
        case ChannelsStatus::kNone:
            return "There is nothing to scan: no station chosen, or every channel skipped.";
    }
    return "";
}

void ScanCommands::OnTuneTo(int frequencyHz) {
    controller_.SetFrequency(frequencyHz);
}

void ScanCommands::OnOpenSweep() {
    if (windows_ != nullptr) windows_->PresentSweep();
}

void ScanCommands::OnStartOrCancelSweep() {
    if (windows_ != nullptr) windows_->StartOrCancelSweep();
}

void ScanCommands::OnOpenStripChart() {
    if (windows_ != nullptr) windows_->PresentStripChart();
}

void ScanCommands::OnOpenScanControls() {
    if (windows_ != nullptr) windows_->PresentScanControls();
}

void ScanCommands::OnBandScanKey() {
    if (windows_ != nullptr) windows_->StartOrStopBandScan();
}

void ScanCommands::OnMemoryScanKey() {
    if (windows_ != nullptr) windows_->StartOrStopMemoryScan();
}
