#include "platform/qt/scan_window.h"

#include <QBoxLayout>
#include <QCheckBox>
#include <QFileDialog>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QShortcut>
#include <QSpinBox>

#include "base/frequency_text.h"
#include "base/minimum_frequency.h"
#include "base/radio_limits.h"
#include "base/toolkit.h"
#include "platform/qt/strip_chart_window.h"
#include "platform/qt/sweep_window.h"

namespace {

QSpinBox* NumberBox(int lowest, int highest, int value, const QString& suffix, QWidget* parent) {
    auto* box = new QSpinBox(parent);
    box->setRange(lowest, highest);
    box->setSuffix(suffix);
    box->setValue(value);
    return box;
}

QString KilohertzText(int frequencyHz) {
    return QString::fromStdString(FrequencyText(frequencyHz, 0)) + QObject::tr(" kHz");
}

}  // namespace

ScanWindow::ScanWindow(ScanCommands& commands, SweepWindow& sweep, StripChartWindow& stripChart,
                       StationListView& stations, QWidget* parent)
    : QWidget(parent, Qt::Window),
      commands_(commands),
      sweep_(sweep),
      stripChart_(stripChart),
      stations_(stations) {
    setWindowTitle(tr("ZORIVAN  Scan"));
    const BandScanSettings& last = commands_.LastBandScan();
    const QString kHz = tr(" kHz");
    from_ = NumberBox(kLowestMinimumFrequency / 1000, kMaximumFrequency / 1000, last.startHz / 1000,
                      kHz, this);
    to_ = NumberBox(kLowestMinimumFrequency / 1000, kMaximumFrequency / 1000, last.stopHz / 1000,
                    kHz, this);
    step_ = NumberBox(1, 1000000, last.stepHz, tr(" Hz"), this);
    dwell_ = NumberBox(0, 10000, last.dwellMs, tr(" ms"), this);
    hold_ = NumberBox(1, 600, last.holdMs / 1000, tr(" s"), this);
    selectedOnly_ = new QCheckBox(tr("Selected station &only"), this);
    bandScan_ = new QPushButton(tr("&Band scan"), this);
    memoryScan_ = new QPushButton(tr("&Memory scan"), this);
    auto* resume = new QPushButton(tr("&Resume"), this);
    auto* skip = new QPushButton(tr("S&kip"), this);
    auto* clearSkips = new QPushButton(tr("&Clear skips"), this);
    status_ = new QLabel(tr("Scans stop on a signal at the squelch level."), this);
    log_ = new QCheckBox(tr("Signal &log"), this);
    logFile_ = new QLabel(this);
    auto* logChoose = new QPushButton(tr("&File..."), this);
    auto* sweepButton = new QPushButton(tr("S&weep..."), this);
    auto* chartButton = new QPushButton(tr("Strip c&hart..."), this);

    auto* grid = new QGridLayout();
    int row = 0;
    for (auto [caption, box] : {std::pair{tr("&From:"), from_}, std::pair{tr("&To:"), to_},
                                std::pair{tr("St&ep:"), step_}, std::pair{tr("&Dwell:"), dwell_},
                                std::pair{tr("&Hold:"), hold_}}) {
        auto* label = new QLabel(caption, this);
        label->setBuddy(box);
        grid->addWidget(label, row, 0);
        grid->addWidget(box, row, 1);
        ++row;
    }
    auto* scanButtons = new QHBoxLayout();
    for (QWidget* w : {static_cast<QWidget*>(bandScan_), static_cast<QWidget*>(memoryScan_),
                       static_cast<QWidget*>(selectedOnly_)})
        scanButtons->addWidget(w);
    auto* holdButtons = new QHBoxLayout();
    for (QPushButton* b : {resume, skip, clearSkips}) holdButtons->addWidget(b);
    auto* logRow = new QHBoxLayout();
    logRow->addWidget(log_);
    logRow->addWidget(logFile_, 1);
    logRow->addWidget(logChoose);
    auto* windows = new QHBoxLayout();
    windows->addWidget(sweepButton);
    windows->addWidget(chartButton);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addLayout(scanButtons);
    layout->addLayout(holdButtons);
    layout->addWidget(status_);
    layout->addLayout(logRow);
    layout->addLayout(windows);

    connect(bandScan_, &QPushButton::clicked, this, &ScanWindow::StartOrStopBandScan);
    connect(memoryScan_, &QPushButton::clicked, this, &ScanWindow::StartOrStopMemoryScan);
    connect(resume, &QPushButton::clicked, this, [this] { commands_.OnResumeKey(); });
    connect(skip, &QPushButton::clicked, this, [this] { commands_.OnSkipKey(); });
    connect(clearSkips, &QPushButton::clicked, this,
            [this] { commands_.Scanner().ClearSkipList(); });
    connect(log_, &QCheckBox::clicked, this, [this](bool on) {
        commands_.SetSignalLog(on, commands_.SignalLogFile());
        ShowSignalLog();
    });
    connect(logChoose, &QPushButton::clicked, this, &ScanWindow::ChooseLogFile);
    connect(sweepButton, &QPushButton::clicked, this, &ScanWindow::PresentSweep);
    connect(chartButton, &QPushButton::clicked, this, &ScanWindow::PresentStripChart);
    auto* close = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(close, &QShortcut::activated, this, &QWidget::close);
    ShowSignalLog();
}

void ScanWindow::ShowSignalLog() {
    log_->setChecked(commands_.SignalLogOn());
    const QString file = QString::fromStdString(commands_.SignalLogFile());
    logFile_->setText(file.isEmpty() ? tr("(no file chosen)") : file);
}

void ScanWindow::ChooseLogFile() {
    const QString path = QFileDialog::getSaveFileName(
        this, tr("Signal log"), QString::fromStdString(commands_.SignalLogFile()),
        tr("CSV files (*.csv)"), nullptr, QFileDialog::DontConfirmOverwrite);
    if (path.isEmpty()) return;
    commands_.SetSignalLog(true, path.toStdString());
    ShowSignalLog();
}

ScanRules ScanWindow::Rules() const {
    return ScanRules{dwell_->value(), hold_->value() * 1000, 0};
}

void ScanWindow::ShowRunning(bool running) {
    bandScan_->setText(running ? tr("Stop &band scan") : tr("&Band scan"));
    memoryScan_->setText(running ? tr("Stop &memory scan") : tr("&Memory scan"));
}

void ScanWindow::ShowScanState(ScanState state, int frequencyHz, int levelDb) {
    ShowRunning(true);
    if (state == ScanState::kHolding) {
        status_->setText(tr("Stopped on %1, %2 dB (J resumes, X skips)")
                             .arg(KilohertzText(frequencyHz))
                             .arg(levelDb));
    } else {
        status_->setText(tr("Scanning %1").arg(KilohertzText(frequencyHz)));
    }
}

void ScanWindow::ShowScanEnded(ScanEnd how) {
    ShowRunning(false);
    switch (how) {
        case ScanEnd::kStopped:
            status_->setText(tr("Scan stopped."));
            break;
        case ScanEnd::kUserTuned:
            status_->setText(tr("Scan stopped: the receiver was tuned."));
            break;
        case ScanEnd::kReceiverSilent:
            status_->setText(tr("Scan stopped: the receiver does not answer."));
            break;
    }
}

void ScanWindow::PresentSweep() {
    sweep_.Present();
}

void ScanWindow::StartOrCancelSweep() {
    sweep_.StartOrCancel();
}

void ScanWindow::PresentStripChart() {
    stripChart_.Present();
}

void ScanWindow::PresentScanControls() {
    show();
    raise();
    activateWindow();
}

void ScanWindow::StartOrStopBandScan() {
    if (commands_.Scanner().State() != ScanState::kIdle) {
        commands_.Scanner().Stop();
        return;
    }
    BandScanSettings settings;
    settings.startHz = from_->value() * 1000;
    settings.stopHz = to_->value() * 1000;
    settings.stepHz = step_->value();
    settings.dwellMs = dwell_->value();
    settings.holdMs = hold_->value() * 1000;
    commands_.StartBandScan(settings);
}

void ScanWindow::StartOrStopMemoryScan() {
    if (commands_.Scanner().State() != ScanState::kIdle) {
        commands_.Scanner().Stop();
        return;
    }
    std::vector<StationNode> nodes;
    if (selectedOnly_->isChecked()) {
        const int row = stations_.GetSelectedRow();
        if (row < 0) {
            status_->setText(tr("Select a station in the main window first."));
            return;
        }
        nodes.push_back(stations_.GetRowData(row));
    }
    commands_.StartMemoryScan(nodes, Rules());
}
