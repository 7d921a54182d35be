#include "platform/qt/sweep_window.h"

#include <QBoxLayout>
#include <QChart>
#include <QChartView>
#include <QFileDialog>
#include <QFormLayout>
#include <QLabel>
#include <QLineSeries>
#include <QMessageBox>
#include <QMouseEvent>
#include <QProgressBar>
#include <QPushButton>
#include <QShortcut>
#include <QSpinBox>
#include <QValueAxis>
#include <cmath>

#include "base/minimum_frequency.h"
#include "base/radio_limits.h"
#include "scan/scan_commands.h"
#include "scan/sweep_csv.h"
#include "scan/sweep_peaks.h"

namespace {

// The plot's level scale: the receiver reports about 0 to 80 dB.
constexpr int kTopDb = 90;
// A signal counts as a peak when it stands this far above its surroundings.
constexpr int kPeakRiseDb = 10;
constexpr int kPeaksNamed = 6;

QSpinBox* KilohertzBox(int valueHz, QWidget* parent) {
    auto* box = new QSpinBox(parent);
    box->setRange(kLowestMinimumFrequency / 1000, kMaximumFrequency / 1000);
    box->setSuffix(QObject::tr(" kHz"));
    box->setValue(valueHz / 1000);
    return box;
}

}  // namespace

SweepWindow::SweepWindow(ScanCommands& commands, QWidget* parent)
    : QWidget(parent, Qt::Window), commands_(commands) {
    setWindowTitle(tr("ZORIVAN  Sweep"));

    from_ = KilohertzBox(9500000, this);
    to_ = KilohertzBox(9700000, this);
    step_ = new QSpinBox(this);
    step_->setRange(1, 1000000);
    step_->setSuffix(tr(" Hz"));
    step_->setValue(1000);
    start_ = new QPushButton(tr("&Start"), this);
    auto* png = new QPushButton(tr("Export &PNG..."), this);
    auto* csv = new QPushButton(tr("Export &CSV..."), this);
    progress_ = new QProgressBar(this);
    progress_->setRange(0, 1);
    progress_->setValue(0);
    status_ = new QLabel(tr("Click the plot to tune there."), this);
    status_->setWordWrap(true);

    series_ = new QLineSeries();
    auto* chart = new QChart();
    chart->legend()->hide();
    chart->addSeries(series_);
    frequencyAxis_ = new QValueAxis();
    frequencyAxis_->setTitleText(tr("Frequency (kHz)"));
    frequencyAxis_->setLabelFormat(QStringLiteral("%.0f"));
    frequencyAxis_->setRange(from_->value(), to_->value());
    auto* levelAxis = new QValueAxis();
    levelAxis->setTitleText(tr("Level (dB)"));
    levelAxis->setRange(0, kTopDb);
    levelAxis->setTickCount(kTopDb / 10 + 1);
    levelAxis->setLabelFormat(QStringLiteral("%.0f"));
    chart->addAxis(frequencyAxis_, Qt::AlignBottom);
    chart->addAxis(levelAxis, Qt::AlignLeft);
    series_->attachAxis(frequencyAxis_);
    series_->attachAxis(levelAxis);
    chartView_ = new QChartView(chart, this);
    chartView_->setRenderHint(QPainter::Antialiasing);
    chartView_->setMinimumSize(640, 320);
    chartView_->setAccessibleName(tr("Sweep plot"));
    chartView_->viewport()->installEventFilter(this);

    auto* range = new QHBoxLayout();
    for (auto [caption, box] : {std::pair{tr("&From:"), from_}, std::pair{tr("&To:"), to_},
                                std::pair{tr("St&ep:"), step_}}) {
        auto* label = new QLabel(caption, this);
        label->setBuddy(box);
        range->addWidget(label);
        range->addWidget(box);
    }
    range->addWidget(start_);
    range->addStretch();
    range->addWidget(png);
    range->addWidget(csv);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(range);
    layout->addWidget(chartView_, 1);
    layout->addWidget(progress_);
    layout->addWidget(status_);

    connect(start_, &QPushButton::clicked, this, &SweepWindow::StartOrCancel);
    connect(png, &QPushButton::clicked, this, &SweepWindow::ExportPng);
    connect(csv, &QPushButton::clicked, this, &SweepWindow::ExportCsv);
    auto* close = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(close, &QShortcut::activated, this, &QWidget::close);
}

void SweepWindow::Present() {
    show();
    raise();
    activateWindow();
}

void SweepWindow::StartOrCancel() {
    if (commands_.Sweep().Running()) {
        commands_.Sweep().Cancel();
        return;
    }
    Present();
    commands_.StartSweep(from_->value() * 1000, to_->value() * 1000, step_->value());
}

void SweepWindow::ShowSweepStarted(int lowHz, int highHz, int count) {
    series_->clear();
    frequencyAxis_->setRange(lowHz / 1000.0, highHz / 1000.0);
    progress_->setRange(0, count);
    progress_->setValue(0);
    start_->setText(tr("&Cancel"));
    status_->setText(tr("Sweeping %1 points...").arg(count));
}

void SweepWindow::ShowSweepPoint(int index, const SweepPoint& point) {
    series_->append(point.frequencyHz / 1000.0, point.levelDb);
    progress_->setValue(index + 1);
}

void SweepWindow::ShowSweepEnded(SweepEnd how) {
    start_->setText(tr("&Start"));
    switch (how) {
        case SweepEnd::kCompleted:
            ShowPeaks();
            break;
        case SweepEnd::kCancelled:
            status_->setText(tr("Cancelled."));
            break;
        case SweepEnd::kUserTuned:
            status_->setText(tr("Stopped: the receiver was tuned."));
            break;
        case SweepEnd::kReceiverSilent:
            status_->setText(tr("Stopped: the receiver does not answer."));
            break;
    }
}

void SweepWindow::ShowPeaks() {
    const std::vector<SweepPoint> peaks = SweepPeaks(commands_.Sweep().Points(), kPeakRiseDb);
    QString text = peaks.empty() ? tr("No signals found.") : tr("Signals:");
    for (std::size_t i = 0; i < peaks.size() && i < kPeaksNamed; ++i) {
        text += tr("  %1 kHz %2 dB")
                    .arg(peaks[i].frequencyHz / 1000.0, 0, 'f', 1)
                    .arg(peaks[i].levelDb);
    }
    status_->setText(text);
}

bool SweepWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == chartView_->viewport() && event->type() == QEvent::MouseButtonPress) {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        QChart* chart = chartView_->chart();
        if (chart->plotArea().contains(mouse->position())) {
            const QPointF value = chart->mapToValue(mouse->position(), series_);
            // To the step's grid, where the sweep measured.
            const int stepHz = step_->value();
            const double hz = value.x() * 1000.0;
            commands_.OnTuneTo(static_cast<int>(std::lround(hz / stepHz)) * stepHz);
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void SweepWindow::ExportPng() {
    const QString path = QFileDialog::getSaveFileName(
        this, tr("Export sweep plot"), QStringLiteral("sweep.png"), tr("PNG images (*.png)"));
    if (path.isEmpty()) return;
    if (!chartView_->grab().save(path, "PNG"))
        QMessageBox::warning(this, tr("ZORIVAN"), tr("%1 cannot be written.").arg(path));
}

void SweepWindow::ExportCsv() {
    const QString path = QFileDialog::getSaveFileName(
        this, tr("Export sweep"), QStringLiteral("sweep.csv"), tr("CSV files (*.csv)"));
    if (path.isEmpty()) return;
    if (SaveSweepCsv(path.toStdString(), commands_.Sweep().Points()) != 0)
        QMessageBox::warning(this, tr("ZORIVAN"), tr("%1 cannot be written.").arg(path));
}
