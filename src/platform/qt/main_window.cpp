#include "platform/qt/main_window.h"

#include <QAbstractSlider>
#include <QApplication>
#include <QBoxLayout>
#include <QCheckBox>
#include <QCloseEvent>
#include <QContextMenuEvent>
#include <QFontMetrics>
#include <QGridLayout>
#include <QGroupBox>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QSlider>
#include <QStyle>
#include <QTreeWidget>
#include <QWheelEvent>
#include <algorithm>
#include <array>
#include <cstdlib>
#include <iterator>
#include <span>
#include <utility>

#include "link/filter_table.h"
#include "platform/qt/display_controls.h"
#include "platform/qt/empty_window_title.h"
#include "platform/qt/repeat_button.h"
#include "ui/main_dialog.h"
#include "ui/main_window_radio_groups.h"

namespace {

constexpr int kWheelNotch = 120;  // eighths of a degree per notch of a common wheel

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

// The character a key press types, as the keyboard commands know characters: Ctrl with a letter
// is the control code 1..26; -1 when the key types nothing.
int CharacterOf(const QKeyEvent& event) {
    const Qt::KeyboardModifiers modifiers = event.modifiers();
    if (modifiers & Qt::AltModifier) {
        return -1;  // menu mnemonics, never characters
    }
    if (modifiers & Qt::ControlModifier) {
        const int key = event.key();
        return key >= Qt::Key_A && key <= Qt::Key_Z ? key - Qt::Key_A + 1 : -1;
    }
    const QString text = event.text();
    return text.size() == 1 ? text.at(0).unicode() : -1;
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

MainWindow::MainWindow(QWidget* parent)
    : QDialog(parent), QtDialogWindowBase<MainWindowSurface>(static_cast<QWidget&>(*this)) {
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    // No title until the first alive check gives one: the partner program finds this window
    // by its title, and must not before the program has started.
    KeepEmptyTitleEmpty(*this);
    // A latched push button (mode, AGC, filter, continuous tuning) must read as down at a
    // glance; the style's own shade of grey barely differs from a raised one.
    setStyleSheet(
        QStringLiteral("QPushButton:checked { background-color: palette(highlight);"
                       " color: palette(highlighted-text); border: 1px solid palette(shadow);"
                       " border-radius: 3px; padding: 4px 6px; }"));

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

    auto* columns = new QHBoxLayout(this);
    columns->addLayout(left);
    columns->addLayout(right);
    // Fixed size, as the dialog template was; the layout decides it from the captions.
    columns->setSizeConstraint(QLayout::SetFixedSize);

    AddRadioGroup(IdsOf(kStepButtons));
    AddRadioGroup(IdsOf(kModeButtons));
    AddRadioGroup(IdsOf(kAgcButtons));
    AddRadioGroup(IdsOf(kFilterRangeButtons));
    AddRadioGroup(IdsOf(kFilterPositionButtons));

    ConnectEvents();
    // Sizes are known before the window is first shown: the list's width sets its columns.
    columns->activate();
}

MainWindow::~MainWindow() = default;

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
    stations_ = new QTreeWidget(group);
    stations_->setAccessibleName(tr("Stations"));
    stations_->setColumnCount(2);
    stations_->setHeaderLabels({tr("Frequency"), tr("Station")});
    stations_->headerItem()->setTextAlignment(0, Qt::AlignRight | Qt::AlignVCenter);
    stations_->setRootIsDecorated(false);
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

void MainWindow::ConnectEvents() {
    ForwardClicks(
        [this](int id) {
            if (dialog_ != nullptr) dialog_->OnCommand(id);
        },
        {IDC_UP, IDC_DOWN, IDCANCEL});
    connect(qobject_cast<QPushButton*>(Control(IDCANCEL)), &QPushButton::clicked, this,
            &MainWindow::RequestExit);
    connect(stations_->header(), &QHeaderView::sectionClicked, this, [this](int column) {
        if (dialog_ != nullptr) dialog_->OnHeaderClick(column);
    });
    connect(stations_, &QTreeWidget::itemDoubleClicked, this, [this] {
        if (dialog_ != nullptr) dialog_->OnListDoubleClick();
    });
    // Character keys are commands whichever control has the focus, so they are caught before
    // any control sees them; so is a double click on the list's empty part (see eventFilter).
    qApp->installEventFilter(this);
}

void MainWindow::RequestExit() {
    if (!ended_ && dialog_ != nullptr && dialog_->OnCancel()) {
        Finish(IDCANCEL);
    }
}

void MainWindow::Finish(int result) {
    if (!ended_) {
        ended_ = true;
        QDialog::done(result);
    }
}

void MainWindow::EndDialog(int result) {
    Finish(result);
}

void MainWindow::reject() {
    RequestExit();
}

void MainWindow::setVisible(bool visible) {
    if (visible && !isVisible() && dialog_ != nullptr) {
        dialog_->PlaceWindow();
    }
    QDialog::setVisible(visible);
}

void MainWindow::closeEvent(QCloseEvent* event) {
    if (ended_) {
        event->accept();
        return;
    }
    event->ignore();
    RequestExit();
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
    // The view reports double clicks on rows only; one on the empty part of the list tunes too.
    if (event->type() == QEvent::MouseButtonDblClick && watched == stations_->viewport() &&
        dialog_ != nullptr) {
        const auto* click = static_cast<QMouseEvent*>(event);
        if (click->button() == Qt::LeftButton &&
            stations_->itemAt(click->position().toPoint()) == nullptr) {
            dialog_->OnListDoubleClick();
        }
        return false;
    }
    if (event->type() == QEvent::KeyPress && dialog_ != nullptr && !redelivering_) {
        auto* widget = qobject_cast<QWidget*>(watched);
        // Only the first delivery: a key a control ignores travels on to its parents.
        QWidget* first = focusWidget() != nullptr ? focusWidget() : this;
        if (widget != nullptr && widget == first && widget->window() == this) {
            return HandleKey(widget, static_cast<QKeyEvent*>(event));
        }
    }
    return QDialog::eventFilter(watched, event);
}

bool MainWindow::HandleKey(QWidget* receiver, QKeyEvent* event) {
    switch (event->key()) {
        case Qt::Key_Escape:
        case Qt::Key_Return:
        case Qt::Key_Enter:
        case Qt::Key_Tab:
        case Qt::Key_Backtab:
            return false;  // the dialog's own keys
        case Qt::Key_F1:
            // The About entry's key: the window menu is out of reach without a mouse.
            dialog_->OnAbout();
            return true;
        default:
            break;
    }
    const int character = CharacterOf(*event);
    if (character < 0) {
        return false;
    }
    if (dialog_->OnCharacter(character)) {
        return true;
    }
    // A digit or point typed elsewhere moved the focus to the entry box; the key goes there.
    QWidget* focus = focusWidget();
    if (focus != nullptr && focus != receiver) {
        QKeyEvent moved(event->type(), event->key(), event->modifiers(), event->nativeScanCode(),
                        event->nativeVirtualKey(), event->nativeModifiers(), event->text(),
                        event->isAutoRepeat(), event->count());
        redelivering_ = true;
        QCoreApplication::sendEvent(focus, &moved);
        redelivering_ = false;
        return true;
    }
    return false;
}

bool MainWindow::ScrollsItself(QWidget* widget) const {
    for (; widget != nullptr && widget != this; widget = widget->parentWidget()) {
        if (widget == stations_ || qobject_cast<QAbstractSlider*>(widget) != nullptr) {
            return true;
        }
    }
    return false;
}

void MainWindow::wheelEvent(QWheelEvent* event) {
    event->accept();
    // The list and the sliders scroll with the wheel; a turn they did not use stays with them.
    if (dialog_ == nullptr || ScrollsItself(childAt(event->position().toPoint()))) {
        return;
    }
    const int delta = event->angleDelta().y();
    if ((delta > 0) != (wheelRemainder_ > 0)) {
        wheelRemainder_ = 0;  // a turn back starts a new notch
    }
    wheelRemainder_ += delta;
    // One call per notch; fine-grained wheels add up to a notch first.
    while (std::abs(wheelRemainder_) >= kWheelNotch) {
        const int notch = wheelRemainder_ > 0 ? kWheelNotch : -kWheelNotch;
        wheelRemainder_ -= notch;
        dialog_->OnMouseWheel(notch);
    }
}

void MainWindow::contextMenuEvent(QContextMenuEvent* event) {
    QMenu menu(this);
    QAction* about = menu.addAction(tr("&About ZORIVAN..."));
    about->setShortcut(QKeySequence(Qt::Key_F1));
    if (menu.exec(event->globalPos()) == about && dialog_ != nullptr) {
        dialog_->OnAbout();
    }
}

void MainWindow::ShowFrequencyText(const std::string& text) {
    frequency_->SetText(QString::fromStdString(text));
}

void MainWindow::ShowSignalMeter(int currentDb, int averageDb) {
    meter_->SetLevels(currentDb, averageDb);
}

void MainWindow::ShowSquelchLamp(int state) {
    lamp_->SetState(state);
}

int MainWindow::ListClientWidth() {
    return stations_->viewport()->width();
}

void MainWindow::SetupListColumns(int frequencyWidth, int stationWidth) {
    stations_->setColumnWidth(0, frequencyWidth);
    stations_->setColumnWidth(1, stationWidth);
}

void MainWindow::FocusStationList() {
    stations_->setFocus(Qt::OtherFocusReason);
}

bool MainWindow::GetWindowPlacement(WindowPlacement& placement) {
    const QRect frame = frameGeometry();
    placement = WindowPlacement{};
    placement.length = 44;
    placement.showCmd = isMinimized() ? 2 : 1;  // shown minimised, shown normal
    placement.minX = placement.minY = placement.maxX = placement.maxY = -1;
    placement.left = frame.left();
    placement.top = frame.top();
    placement.right = frame.left() + frame.width();
    placement.bottom = frame.top() + frame.height();
    return true;
}

void MainWindow::MoveWindowTo(int left, int top) {
    // A corner stored on a screen that has since gone would hide the window: bring it back to
    // the nearest point of the primary screen.
    QPoint target(left, top);
    QScreen* primary = QGuiApplication::primaryScreen();
    if (QGuiApplication::screenAt(target) == nullptr && primary != nullptr) {
        const QRect desktop = primary->availableGeometry();
        target.setX(std::clamp(left, desktop.left(), desktop.right()));
        target.setY(std::clamp(top, desktop.top(), desktop.bottom()));
    }
    move(target);
}

StationNode MainWindow::NodeOf(const QTreeWidgetItem& item) {
    return static_cast<StationNode>(item.data(0, Qt::UserRole).value<quintptr>());
}

QTreeWidgetItem* MainWindow::Row(int row) const {
    return row >= 0 && row < stations_->topLevelItemCount() ? stations_->topLevelItem(row)
                                                            : nullptr;
}

int MainWindow::RowCount() {
    return stations_->topLevelItemCount();
}

void MainWindow::InsertRow(int row, const std::string& frequencyText, const std::string& name,
                           StationNode node) {
    auto* item = new QTreeWidgetItem;
    item->setText(0, QString::fromStdString(frequencyText));
    item->setTextAlignment(0, Qt::AlignRight | Qt::AlignVCenter);
    item->setText(1, QString::fromStdString(name));
    item->setData(0, Qt::UserRole, QVariant::fromValue(static_cast<quintptr>(node)));
    stations_->insertTopLevelItem(std::clamp(row, 0, RowCount()), item);
}

void MainWindow::SetRowText(int row, int column, const std::string& text) {
    if (QTreeWidgetItem* item = Row(row)) {
        item->setText(column, QString::fromStdString(text));
    }
}

std::string MainWindow::GetRowText(int row, int column) {
    QTreeWidgetItem* item = Row(row);
    return item == nullptr ? std::string() : item->text(column).toStdString();
}

StationNode MainWindow::GetRowData(int row) {
    QTreeWidgetItem* item = Row(row);
    return item == nullptr ? kNoStation : NodeOf(*item);
}

int MainWindow::FindRow(StationNode node) {
    for (int row = 0; row < stations_->topLevelItemCount(); ++row) {
        if (NodeOf(*stations_->topLevelItem(row)) == node) {
            return row;
        }
    }
    return -1;
}

void MainWindow::DeleteRow(int row) {
    QTreeWidgetItem* item = Row(row);
    if (item == nullptr) {
        return;
    }
    // The view would select the row that moves up into the deleted one's place, and the next
    // command would act on a station nobody picked; only the selection the user made stays.
    QList<QTreeWidgetItem*> kept = stations_->selectedItems();
    kept.removeAll(item);
    delete stations_->takeTopLevelItem(row);
    stations_->clearSelection();
    for (QTreeWidgetItem* selected : kept) {
        selected->setSelected(true);
    }
}

void MainWindow::DeleteAllRows() {
    stations_->clear();
}

int MainWindow::GetSelectedRow() {
    const QList<QTreeWidgetItem*> selected = stations_->selectedItems();
    return selected.isEmpty() ? -1 : stations_->indexOfTopLevelItem(selected.constFirst());
}

void MainWindow::SelectRow(int row) {
    if (QTreeWidgetItem* item = Row(row)) {
        stations_->setCurrentItem(item);
        item->setSelected(true);
        stations_->scrollToItem(item, QAbstractItemView::EnsureVisible);
    }
}

void MainWindow::ReorderRows(const std::vector<int>& newOrder) {
    const int count = RowCount();
    std::vector<int> check = newOrder;
    std::sort(check.begin(), check.end());
    for (int i = 0; i < static_cast<int>(check.size()); ++i) {
        if (check[i] != i) {
            return;  // not a permutation of the rows
        }
    }
    if (static_cast<int>(check.size()) != count) {
        return;
    }
    // Rows keep their selection and the current row across the move, as a sort in place does.
    QTreeWidgetItem* current = stations_->currentItem();
    const QList<QTreeWidgetItem*> selected = stations_->selectedItems();
    std::vector<QTreeWidgetItem*> items(count);
    for (int i = count - 1; i >= 0; --i) {
        items[i] = stations_->takeTopLevelItem(i);
    }
    for (int oldIndex : newOrder) {
        stations_->addTopLevelItem(items[oldIndex]);
    }
    if (current != nullptr) {
        stations_->setCurrentItem(current, 0, QItemSelectionModel::NoUpdate);
    }
    for (QTreeWidgetItem* item : selected) {
        item->setSelected(true);
    }
}
