#pragma once

#include <string>
#include <vector>

#include "base/station_node.h"
#include "scan/scanner.h"
#include "scan/signal_log.h"
#include "scan/sweep.h"

class CReceiverController;
class Host;

// The scan windows as the main window's keys reach them; the host implements it.
class ScanWindows {
  public:
    virtual ~ScanWindows() = default;
    virtual void PresentSweep() = 0;
    // Starts a sweep over the range the sweep window holds, or cancels the one running.
    virtual void StartOrCancelSweep() = 0;
    virtual void PresentStripChart() = 0;
    virtual void PresentScanControls() = 0;
    // Starts the band or memory scan the scan controls describe, or stops the scan running.
    virtual void StartOrStopBandScan() = 0;
    virtual void StartOrStopMemoryScan() = 0;
};

// A band scan as the scan controls describe it.
struct BandScanSettings {
    int startHz = 9400000;
    int stopHz = 9900000;
    int stepHz = 5000;
    int dwellMs = 0;
    int holdMs = 5000;
};

// Scanning, sweeping and the signal log in the program: owns the sweep, the scanner and the log,
// keeps the log's profile keys, and carries out the main window's scan keys.
class ScanCommands {
  public:
    // Neither is owned; both must outlive the commands.
    ScanCommands(CReceiverController& controller, Host& host);
    ~ScanCommands();

    // Not owned; null (the default) for none.
    void SetWindows(ScanWindows* windows) { windows_ = windows; }

    // At start, after the settings: opens the log when the profile has it on. A file that cannot
    // be written gives one message and leaves the log off.
    void LoadAtStart();
    // Switches the log on (to path, asking for a file when path is empty) or off, and keeps the
    // choice in the profile. False when on was asked and the file cannot be written.
    bool SetSignalLog(bool on, const std::string& path);
    bool SignalLogOn() const { return log_.IsOpen(); }
    std::string SignalLogFile() const;
    // Ctrl+G: the log on (to the profile's file, or one asked for) or off.
    void ToggleSignalLog();

    // Band scan over the settings' channels, or memory scan over the stations (all of them when
    // nodes is empty). Shows a message and starts nothing when there is nothing to scan.
    ChannelsStatus StartBandScan(const BandScanSettings& settings);
    ChannelsStatus StartMemoryScan(const std::vector<StationNode>& nodes, const ScanRules& rules);
    // Starts a sweep; a message for a range that cannot be swept.
    ChannelsStatus StartSweep(int startHz, int stopHz, int stepHz);
    const BandScanSettings& LastBandScan() const { return lastBandScan_; }

    // Keys of the main window.
    void OnOpenSweep();
    void OnStartOrCancelSweep();
    void OnOpenStripChart();
    void OnOpenScanControls();
    void OnBandScanKey();
    void OnMemoryScanKey();
    void OnResumeKey() { scanner_.Resume(); }
    // A click on the sweep plot: tunes there as the user (which ends a running sweep or scan).
    void OnTuneTo(int frequencyHz);
    void OnSkipKey() { scanner_.SkipCurrent(); }

    CSweep& Sweep() { return sweep_; }
    CScanner& Scanner() { return scanner_; }

    // The message for a range or list that cannot be scanned.
    static std::string StatusMessage(ChannelsStatus status);

  private:
    bool Refused(ChannelsStatus status);

    CReceiverController& controller_;
    Host& host_;
    ScanWindows* windows_ = nullptr;
    CSweep sweep_;
    CScanner scanner_;
    SignalLog log_;
    BandScanSettings lastBandScan_;
};
