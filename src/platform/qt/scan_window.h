#pragma once

#include <QWidget>

#include "scan/scan_commands.h"

class QCheckBox;
class QLabel;
class QPushButton;
class QSpinBox;
class StationListView;
class StripChartWindow;
class SweepWindow;

// The scan controls: band scan range, step, dwell and hold; memory scan over all stations or the
// selected one; Resume and Skip; the signal log switch and file; the sweep and strip chart
// windows. Reaches them for the main window's keys too.
class ScanWindow : public QWidget, public ScanView, public ScanWindows {
    Q_OBJECT

  public:
    // None is owned; all must outlive the window. stations: the main window's station list.
    ScanWindow(ScanCommands& commands, SweepWindow& sweep, StripChartWindow& stripChart,
               StationListView& stations, QWidget* parent = nullptr);

    // Shows whether the log is on, after the start has read the profile.
    void ShowSignalLog();

    // ScanView
    void ShowScanState(ScanState state, int frequencyHz, int levelDb) override;
    void ShowScanEnded(ScanEnd how) override;

    // ScanWindows
    void PresentSweep() override;
    void StartOrCancelSweep() override;
    void PresentStripChart() override;
    void PresentScanControls() override;
    void StartOrStopBandScan() override;
    void StartOrStopMemoryScan() override;

  private:
    ScanRules Rules() const;
    void ShowRunning(bool running);
    void ChooseLogFile();

    ScanCommands& commands_;
    SweepWindow& sweep_;
    StripChartWindow& stripChart_;
    StationListView& stations_;
    QSpinBox* from_ = nullptr;
    QSpinBox* to_ = nullptr;
    QSpinBox* step_ = nullptr;
    QSpinBox* dwell_ = nullptr;
    QSpinBox* hold_ = nullptr;
    QCheckBox* selectedOnly_ = nullptr;
    QPushButton* bandScan_ = nullptr;
    QPushButton* memoryScan_ = nullptr;
    QLabel* status_ = nullptr;
    QCheckBox* log_ = nullptr;
    QLabel* logFile_ = nullptr;
};
