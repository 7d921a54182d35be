// The main window's controls, built under their ids and laid out in two columns as the dialog
// template placed them.

#include <QAbstractSlider>
#include <QBoxLayout>
#include <QCheckBox>
#include <QFontMetrics>
#include <QGridLayout>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QStyle>
#include <QTreeView>
#include <array>
#include <iterator>
#include <span>
#include <utility>

#include "link/filter_table.h"
#include "platform/qt/display_controls.h"
#include "platform/qt/main_window.h"
#include "platform/qt/repeat_button.h"
#include "platform/qt/station_list_model.h"
#include "ui/main_dialog.h"
#include "ui/main_window_radio_groups.h"

namespace {

struct Caption {
    int id;
    const char* text;
};

// Captions of the radio groups' buttons, in the groups' order.
constexpr const char* kStepCaptions[] = {"1 Hz",  "5 Hz",  "10 Hz", "50 Hz",  "100 Hz", "500 Hz",
                                         "1 KHz", "5 KHz", "9 KHz", "10 KHz", "50 KHz", "100 KHz"};
constexpr const char* kModeCaptions[] = {"AM", "USB", "LSB", "CW"};
constexpr const char* kAgcCaptions[] = {"Slow", "Med", "Fast"};
constexpr const char* kRangeCaptions[] = {"300 - 900", "1050 - 2250", "2400 - 4200", "4500 - 8000"};
static_assert(std::size(kStepCaptions) == kStepButtons.size());
static_assert(std::size(kModeCaptions) == kModeButtons.size());
static_assert(std::size(kAgcCaptions) == kAgcButtons.size());
static_assert(std::size(kRangeCaptions) == kFilterRangeButtons.size());

template <std::size_t N>
std::vector<int> IdsOf(const std::array<int, N>& buttons) {
    return std::vector<int>(buttons.begin(), buttons.end());
}

ScrollCode ScrollCodeOf(int sliderAction) {
    switch (sliderAction) {
        case QAbstractSlider::SliderSingleStepAdd:
            return ScrollCode::LineDown;
        case QAbstractSlider::SliderSingleStepSub:
            return ScrollCode::LineUp;
        case QAbstractSlider::SliderPageStepAdd:
            return ScrollCode::PageDown;
        case QAbstractSlider::SliderPageStepSub:
            return ScrollCode::PageUp;
        case QAbstractSlider::SliderToMinimum:
            return ScrollCode::Top;
        case QAbstractSlider::SliderToMaximum:
            return ScrollCode::Bottom;
        default:
            return ScrollCode::ThumbTrack;
    }
}

QLabel* BorderedStatic(const QString& text, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    label->setAlignment(Qt::AlignCenter);
    return label;
}

// As wide as the caption (or the widest caption it will carry) needs: the style's usual
// minimum of some 80 pixels would make the window half as wide again.
void FitToCaption(QPushButton* button, const QString& widest = {}) {
    const QFontMetrics metrics(button->font());
    const QStyle* style = button->style();
    const int text = metrics.horizontalAdvance(widest.isEmpty() ? button->text() : widest);
    button->setMaximumWidth(text + metrics.averageCharWidth() +
                            2 * style->pixelMetric(QStyle::PM_ButtonMargin) +
                            2 * style->pixelMetric(QStyle::PM_DefaultFrameWidth));
}

QPushButton* CompactButton(const QString& caption, QWidget* parent) {
    auto* button = new QPushButton(caption, parent);
    FitToCaption(button);
    return button;
}

QPushButton* PushLikeButton(const QString& caption, QWidget* parent, const QString& widest = {}) {
    auto* button = new QPushButton(caption, parent);
    FitToCaption(button, widest);
    button->setCheckable(true);
    // Enter belongs to the "Enter" button, whichever of these has the focus.
    button->setAutoDefault(false);
    return button;
}

}  // namespace

void MainWindow::BuildLayout() {
    auto* left = new QVBoxLayout;
    left->addWidget(BuildFrequencyGroup());
    auto* modeAgc = new QHBoxLayout;
    modeAgc->addWidget(BuildLatchedGroup(tr("Mode"), kModeButtons, kModeCaptions), 4);
    modeAgc->addWidget(BuildLatchedGroup(tr("AGC"), kAgcButtons, kAgcCaptions), 3);
    left->addLayout(modeAgc);
    left->addWidget(BuildFilterGroup());
    auto* shiftSignal = new QHBoxLayout;
    shiftSignal->addWidget(BuildPassbandGroup());
    shiftSignal->addWidget(BuildSignalGroup());
    left->addLayout(shiftSignal);
    left->addStretch();

    auto* right = new QVBoxLayout;
    right->addWidget(BuildStationGroup(), 1);
    auto* levels = new QHBoxLayout;
    levels->addWidget(BuildLevelGroup(tr("Volume"), IDC_VOLUME_SLIDER, IDC_VOLUME_ON));
    levels->addWidget(BuildLevelGroup(tr("Line Out"), IDC_LINE_SLIDER, IDC_LINE_ON));
    right->addLayout(levels);
    right->addWidget(BuildBottomRow());

    auto* columns = new QHBoxLayout;
    columns->addLayout(left);
    columns->addLayout(right);
    // Network control's state; hidden while it has nothing to say, so the window is as it was.
    remoteStatus_ = new QLabel(this);
    remoteStatus_->setTextFormat(Qt::PlainText);
    remoteStatus_->setAccessibleName(tr("Network control"));
    remoteStatus_->hide();
    auto* whole = new QVBoxLayout(this);
    whole->addLayout(columns);
    whole->addWidget(remoteStatus_);
    // Fixed size, as the dialog template was; the layout decides it from the captions.
    whole->setSizeConstraint(QLayout::SetFixedSize);

    AddRadioGroup(IdsOf(kStepButtons));
    AddRadioGroup(IdsOf(kModeButtons));
    AddRadioGroup(IdsOf(kAgcButtons));
    AddRadioGroup(IdsOf(kFilterRangeButtons));
    AddRadioGroup(IdsOf(kFilterPositionButtons));
}

QWidget* MainWindow::BuildFrequencyGroup() {
    auto* group = new QGroupBox(tr("Frequency"), this);

    frequency_ = new FrequencyDisplay(group);
    frequency_->setAccessibleName(tr("Tuned frequency"));
    frequency_->setFixedSize(250, 56);
    AddControl(IDC_FREQUENCY_DISPLAY, frequency_);

    auto* up = new RepeatButton(tr("Up"), group);
    auto* down = new RepeatButton(tr("Down"), group);
    FitToCaption(up, tr("Down"));
    FitToCaption(down);
    AddControl(IDC_UP, up);
    AddControl(IDC_DOWN, down);
    connect(up, &RepeatButton::Action, this, [this](int action) {
        if (dialog_ != nullptr) dialog_->OnRepeatButton(action, IDC_UP);
    });
    connect(down, &RepeatButton::Action, this, [this](int action) {
        if (dialog_ != nullptr) dialog_->OnRepeatButton(action, IDC_DOWN);
    });
    auto* steps = new QVBoxLayout;
    steps->addWidget(up);
    steps->addWidget(down);

    auto* contUp = PushLikeButton(tr("ContUp"), group);
    auto* contDown = PushLikeButton(tr("ContDown"), group);
    auto* fast = PushLikeButton(tr("Fast"), group);
    AddControl(IDC_CONT_UP, contUp);
    AddControl(IDC_CONT_DOWN, contDown);
    AddControl(IDC_FAST, fast);
    auto* continuous = new QGridLayout;
    continuous->addWidget(contUp, 0, 0);
    continuous->addWidget(contDown, 1, 0);
    continuous->addWidget(fast, 0, 1, 2, 1);
    fast->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Expanding);

    auto* readoutRow = new QHBoxLayout;
    readoutRow->addWidget(frequency_);
    readoutRow->addLayout(steps);
    readoutRow->addLayout(continuous);

    entry_ = new QLineEdit(group);
    entry_->setAlignment(Qt::AlignCenter);
    entry_->setAccessibleName(tr("Frequency entry"));
    AddControl(IDC_FREQUENCY_ENTRY, entry_);
    auto* enter = CompactButton(tr("Enter"), group);
    enter->setDefault(true);
    AddControl(IDC_ENTER, enter);

    auto* stepLabel = new QLabel(tr("Step Size:"), group);
    auto* entryRow = new QHBoxLayout;
    entryRow->addWidget(entry_, 1);
    entryRow->addWidget(enter);
    entryRow->addSpacing(16);
    entryRow->addWidget(stepLabel);
    entryRow->addStretch(1);

    auto* stepGrid = new QGridLayout;
    for (int step = 0; step < static_cast<int>(kStepButtons.size()); ++step) {
        auto* radio = new QRadioButton(tr(kStepCaptions[step]), group);
        AddControl(kStepButtons[step], radio);
        stepGrid->addWidget(radio, step / 4, step % 4);
    }

    // Who is on the tuned frequency, by the broadcast schedule. A long line is cut, not allowed
    // to widen the fixed window; station names are never read as markup.
    auto* onAir = new QLabel(group);
    onAir->setTextFormat(Qt::PlainText);
    onAir->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    // Its height is there before the first text, so the window does not grow when it comes.
    onAir->setMinimumHeight(onAir->fontMetrics().height());
    AddControl(IDC_ON_AIR, onAir);

    auto* layout = new QVBoxLayout(group);
    layout->addLayout(readoutRow);
    layout->addWidget(onAir);
    layout->addLayout(entryRow);
    layout->addLayout(stepGrid);
    return group;
}

QWidget* MainWindow::BuildLatchedGroup(const QString& title, std::span<const int> ids,
                                       std::span<const char* const> captions) {
    auto* group = new QGroupBox(title, this);
    auto* layout = new QHBoxLayout(group);
    for (std::size_t i = 0; i < ids.size(); ++i) {
        auto* button = PushLikeButton(tr(captions[i]), group);
        AddControl(ids[i], button);
        layout->addWidget(button);
    }
    return group;
}

QWidget* MainWindow::BuildFilterGroup() {
    auto* group = new QGroupBox(tr("Filter"), this);
    auto* ranges = new QVBoxLayout;
    for (std::size_t range = 0; range < kFilterRangeButtons.size(); ++range) {
        auto* radio = new QRadioButton(tr(kRangeCaptions[range]), group);
        AddControl(kFilterRangeButtons[range], radio);
        ranges->addWidget(radio);
    }
    // Captions of the narrowest range until the logic relabels them.
    auto* positions = new QGridLayout;
    for (int position = 0; position < static_cast<int>(kFilterPositionButtons.size()); ++position) {
        const int bandwidth = FilterTable::kRows[FilterTable::IndexOf(0, position)].bandwidthHz;
        auto* button = PushLikeButton(QString::number(bandwidth), group, QStringLiteral("8888"));
        AddControl(kFilterPositionButtons[position], button);
        positions->addWidget(button, position / 3, position % 3);
    }
    auto* layout = new QHBoxLayout(group);
    layout->addLayout(ranges);
    layout->addSpacing(12);
    layout->addLayout(positions, 1);
    return group;
}

QWidget* MainWindow::BuildPassbandGroup() {
    auto* group = new QGroupBox(tr("Passband Shift"), this);
    auto* slider = new QSlider(Qt::Horizontal, group);
    AddSlider(slider, IDC_PBS_SLIDER, tr("Passband shift"));
    QLabel* value = BorderedStatic(QStringLiteral("+freq"), group);
    value->setMinimumWidth(56);
    AddControl(IDC_PBS_TEXT, value);
    QCheckBox* on = AddOnBox(IDC_PBS_ON, tr("Passband shift"), group);

    auto* row = new QHBoxLayout;
    row->addWidget(value);
    row->addWidget(on);
    row->addStretch();
    auto* layout = new QVBoxLayout(group);
    layout->addWidget(slider);
    layout->addLayout(row);
    return group;
}

QWidget* MainWindow::BuildSignalGroup() {
    auto* group = new QGroupBox(tr("Signal Strength"), this);
    meter_ = new SignalMeter(group);
    meter_->setAccessibleName(tr("Signal strength"));
    meter_->setFixedHeight(20);
    meter_->setMinimumWidth(120);
    AddControl(IDC_SIGNAL_METER, meter_);
    QCheckBox* signalOn = AddOnBox(IDC_SIGNAL_ON, tr("Signal strength display"), group);

    lamp_ = new SquelchLamp(group);
    lamp_->setAccessibleName(tr("Squelch indicator"));
    lamp_->setFixedSize(16, 16);
    AddControl(IDC_SQUELCH_LAMP, lamp_);
    auto* squelchLabel = new QLabel(tr("Squelch"), group);
    QCheckBox* squelchOn = AddOnBox(IDC_SQUELCH_ON, tr("Squelch"), group);
    auto* squelch = new QSlider(Qt::Horizontal, group);
    AddSlider(squelch, IDC_SQUELCH_SLIDER, tr("Squelch level"));

    auto* grid = new QGridLayout(group);
    grid->addWidget(meter_, 0, 0, 1, 3);
    grid->addWidget(signalOn, 0, 3);
    grid->addWidget(lamp_, 1, 0);
    grid->addWidget(squelchLabel, 1, 1);
    grid->addWidget(squelch, 1, 2);
    grid->addWidget(squelchOn, 1, 3);
    grid->setColumnStretch(2, 1);
    return group;
}

QWidget* MainWindow::BuildStationGroup() {
    auto* group = new QGroupBox(tr("Station"), this);
    stations_ = new QTreeView(group);
    stationRows_ = new StationListModel(this);
    stations_->setModel(stationRows_);
    stations_->setAccessibleName(tr("Stations"));
    stations_->setRootIsDecorated(false);
    // Rows of one height let the view paint the visible rows without measuring the others.
    stations_->setUniformRowHeights(true);
    stations_->setItemsExpandable(false);
    stations_->setSelectionMode(QAbstractItemView::SingleSelection);
    stations_->setSelectionBehavior(QAbstractItemView::SelectRows);
    stations_->setAllColumnsShowFocus(true);
    stations_->setSortingEnabled(false);
    stations_->header()->setSectionsClickable(true);
    stations_->header()->setSectionsMovable(false);
    stations_->setMinimumWidth(330);
    stations_->setMinimumHeight(200);
    // The selected station stays marked while another control has the focus.
    QPalette palette = stations_->palette();
    palette.setColor(QPalette::Inactive, QPalette::Highlight,
                     palette.color(QPalette::Active, QPalette::Highlight));
    palette.setColor(QPalette::Inactive, QPalette::HighlightedText,
                     palette.color(QPalette::Active, QPalette::HighlightedText));
    stations_->setPalette(palette);
    AddControl(IDC_STATION_LIST, stations_);

    auto* buttons = new QHBoxLayout;
    const Caption commands[] = {{IDC_TUNE, "Tune"},
                                {IDC_ADD, "Add"},
                                {IDC_UPDATE, "Upd"},
                                {IDC_EDIT, "Edit"},
                                {IDC_DELETE, "Delete"}};
    for (const Caption& command : commands) {
        auto* button = CompactButton(tr(command.text), group);
        AddControl(command.id, button);
        buttons->addWidget(button);
    }
    // The file name sits to the right of the station buttons.
    QLabel* fileName = BorderedStatic(QStringLiteral(" station file"), group);
    // A long name is cut, not allowed to widen the fixed window.
    fileName->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    AddControl(IDC_STATION_FILE_NAME, fileName);
    buttons->addWidget(fileName, 1);

    auto* layout = new QVBoxLayout(group);
    layout->addWidget(stations_, 1);
    layout->addLayout(buttons);
    return group;
}

QWidget* MainWindow::BuildLevelGroup(const QString& title, int sliderId, int onId) {
    auto* group = new QGroupBox(title, this);
    auto* slider = new QSlider(Qt::Horizontal, group);
    AddSlider(slider, sliderId, title);
    QCheckBox* on = AddOnBox(onId, title, group);
    auto* layout = new QHBoxLayout(group);
    layout->addWidget(slider, 1);
    layout->addWidget(on);
    return group;
}

QWidget* MainWindow::BuildBottomRow() {
    auto* row = new QWidget(this);
    QLabel* time = BorderedStatic(QStringLiteral("09.04.1999   21:48:00 UTC"), row);
    AddControl(IDC_UTC_TIME, time);
    const Caption commands[] = {{IDC_STATION_FILE, "Stat File"},
                                {IDC_SCHEDULE, "Sched"},
                                {IDC_ZEL, "ZEL"},
                                {IDC_CONFIG, "Config"},
                                {IDCANCEL, "Exit"}};
    auto* buttons = new QHBoxLayout;
    for (const Caption& command : commands) {
        auto* button = new QPushButton(tr(command.text), row);
        AddControl(command.id, button);
        buttons->addWidget(button);
    }
    auto* layout = new QVBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(time);
    layout->addLayout(buttons);
    return row;
}

QCheckBox* MainWindow::AddOnBox(int id, const QString& what, QWidget* parent) {
    auto* box = new QCheckBox(tr("On"), parent);
    // Four boxes read "On"; the description says which, without hiding the caption.
    box->setAccessibleDescription(tr("%1 on").arg(what));
    AddControl(id, box);
    return box;
}

void MainWindow::AddSlider(QAbstractSlider* slider, int id, const QString& accessibleName) {
    // A slider has no caption; its name says what it sets.
    slider->setAccessibleName(accessibleName);
    slider->setMinimumWidth(120);
    AddControl(id, slider);
    // The action comes first and the new value after it; the pair is one scroll notification.
    connect(slider, &QAbstractSlider::actionTriggered, this,
            [this, id](int action) { lastSliderAction_[id] = action; });
    connect(slider, &QAbstractSlider::valueChanged, this, [this, id, slider] {
        const int action = std::exchange(lastSliderAction_[id], QAbstractSlider::SliderNoAction);
        if (dialog_ != nullptr) {
            dialog_->OnSliderScroll(
                id, slider->isSliderDown() ? ScrollCode::ThumbTrack : ScrollCodeOf(action));
        }
    });
    connect(slider, &QAbstractSlider::sliderReleased, this, [this, id] {
        if (dialog_ != nullptr) {
            dialog_->OnSliderScroll(id, ScrollCode::ThumbPosition);
            dialog_->OnSliderScroll(id, ScrollCode::EndScroll);
        }
    });
}
