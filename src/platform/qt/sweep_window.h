#pragma once

#include <QWidget>

#include "scan/sweep.h"

class QChartView;
class QLabel;
class QLineSeries;
class QProgressBar;
class QPushButton;
class QSpinBox;
class QValueAxis;
class ScanCommands;

// The sweep plot: level against frequency over a range, with a progress bar and Cancel while the
// sweep runs, the strongest signals named under it, export to PNG and CSV, and a click on the
// plot tuning there. Every event goes to ScanCommands.
class SweepWindow : public QWidget, public SweepView {
    Q_OBJECT

  public:
    // commands must outlive the window. parent: the main window, which it stays over.
    explicit SweepWindow(ScanCommands& commands, QWidget* parent = nullptr);

    void Present();
    // Start with the range shown, or Cancel the sweep running.
    void StartOrCancel();

    // SweepView
    void ShowSweepStarted(int lowHz, int highHz, int count) override;
    void ShowSweepPoint(int index, const SweepPoint& point) override;
    void ShowSweepEnded(SweepEnd how) override;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void ExportPng();
    void ExportCsv();
    void ShowPeaks();

    ScanCommands& commands_;
    QSpinBox* from_ = nullptr;
    QSpinBox* to_ = nullptr;
    QSpinBox* step_ = nullptr;
    QPushButton* start_ = nullptr;
    QProgressBar* progress_ = nullptr;
    QLabel* status_ = nullptr;
    QChartView* chartView_ = nullptr;
    QLineSeries* series_ = nullptr;
    QValueAxis* frequencyAxis_ = nullptr;
};
