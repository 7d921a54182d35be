#include "platform/qt/strip_chart_window.h"

#include <QBoxLayout>
#include <QChart>
#include <QChartView>
#include <QDateTime>
#include <QDateTimeAxis>
#include <QLineSeries>
#include <QShortcut>
#include <QTimeZone>
#include <QValueAxis>

#include "controller/receiver_controller.h"

namespace {

constexpr int kTopDb = 90;
constexpr qint64 kSpanMs = qint64{StripChartWindow::kMinutes} * 60 * 1000;

qint64 UtcMs(const UtcTime& time) {
    const QDateTime moment(QDate(time.year, time.month, time.day),
                           QTime(time.hour, time.minute, time.second), QTimeZone::utc());
    return moment.toMSecsSinceEpoch();
}

}  // namespace

StripChartWindow::StripChartWindow(CReceiverController& controller, QWidget* parent)
    : QWidget(parent, Qt::Window), controller_(controller) {
    setWindowTitle(tr("ZORIVAN  Strip chart"));
    series_ = new QLineSeries();
    auto* chart = new QChart();
    chart->legend()->hide();
    chart->addSeries(series_);
    timeAxis_ = new QDateTimeAxis();
    timeAxis_->setFormat(QStringLiteral("hh:mm:ss"));
    timeAxis_->setTitleText(tr("UTC"));
    timeAxis_->setTickCount(kMinutes + 1);
    auto* levelAxis = new QValueAxis();
    levelAxis->setTitleText(tr("Level (dB)"));
    levelAxis->setRange(0, kTopDb);
    levelAxis->setTickCount(kTopDb / 10 + 1);
    levelAxis->setLabelFormat(QStringLiteral("%.0f"));
    chart->addAxis(timeAxis_, Qt::AlignBottom);
    chart->addAxis(levelAxis, Qt::AlignLeft);
    series_->attachAxis(timeAxis_);
    series_->attachAxis(levelAxis);
    chartView_ = new QChartView(chart, this);
    chartView_->setRenderHint(QPainter::Antialiasing);
    chartView_->setMinimumSize(640, 280);
    chartView_->setAccessibleName(tr("Signal level over the last %1 minutes").arg(kMinutes));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(chartView_);
    auto* close = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(close, &QShortcut::activated, this, &QWidget::close);
    controller_.AddObserver(this);
}

StripChartWindow::~StripChartWindow() {
    controller_.RemoveObserver(this);
}

void StripChartWindow::Present() {
    show();
    raise();
    activateWindow();
    Redraw();
}

void StripChartWindow::OnSignalReading(const SignalReading& reading) {
    // Several readings a second share one time stamp; spread them by the order they came in.
    qint64 atMs = UtcMs(reading.time);
    if (!readings_.empty() && atMs <= static_cast<qint64>(readings_.back().x()))
        atMs = static_cast<qint64>(readings_.back().x()) + 1;
    readings_.emplace_back(static_cast<qreal>(atMs), reading.levelDb);
    while (!readings_.empty() && readings_.front().x() < static_cast<qreal>(atMs - kSpanMs))
        readings_.pop_front();
    if (isVisible()) Redraw();
}

void StripChartWindow::Redraw() {
    const qint64 endMs = readings_.empty() ? QDateTime::currentMSecsSinceEpoch()
                                           : static_cast<qint64>(readings_.back().x());
    timeAxis_->setRange(QDateTime::fromMSecsSinceEpoch(endMs - kSpanMs, QTimeZone::utc()),
                        QDateTime::fromMSecsSinceEpoch(endMs, QTimeZone::utc()));
    series_->replace(QList<QPointF>(readings_.begin(), readings_.end()));
}
