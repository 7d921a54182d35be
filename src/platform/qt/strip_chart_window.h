#pragma once

#include <QWidget>
#include <deque>

#include "controller/receiver_observer.h"

class QChartView;
class QDateTimeAxis;
class QLineSeries;
class CReceiverController;

// The strip chart: the meter's readings over the last minutes, newest on the right. It hears
// every reading while the program runs, shown or not, so opening it shows the recent past.
class StripChartWindow : public QWidget, public ReceiverObserver {
    Q_OBJECT

  public:
    // Minutes of readings kept and shown.
    static constexpr int kMinutes = 5;

    // controller must outlive the window. parent: the main window, which it stays over.
    explicit StripChartWindow(CReceiverController& controller, QWidget* parent = nullptr);
    ~StripChartWindow() override;

    void Present();

    void OnSignalReading(const SignalReading& reading) override;

  private:
    void Redraw();

    CReceiverController& controller_;
    // Readings as (UTC ms since 1970, level dB), oldest first.
    std::deque<QPointF> readings_;
    QChartView* chartView_ = nullptr;
    QLineSeries* series_ = nullptr;
    QDateTimeAxis* timeAxis_ = nullptr;
};
