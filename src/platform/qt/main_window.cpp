// The main window's behaviour: each user event handed to one CMainDialog call, the exit sequence,
// and the painted displays and placement the logic drives.

#include "platform/qt/main_window.h"

#include <QAbstractSlider>
#include <QApplication>
#include <QCloseEvent>
#include <QContextMenuEvent>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLayout>
#include <QMenu>
#include <QMouseEvent>
#include <QPushButton>
#include <QScreen>
#include <QTreeView>
#include <QWheelEvent>
#include <algorithm>
#include <cstdlib>

#include "platform/qt/display_controls.h"
#include "platform/qt/empty_window_title.h"
#include "ui/main_dialog.h"

namespace {

constexpr int kWheelNotch = 120;  // eighths of a degree per notch of a common wheel

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

    BuildLayout();
    ConnectEvents();
    // Sizes are known before the window is first shown: the list's width sets its columns.
    layout()->activate();
}

MainWindow::~MainWindow() = default;

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
    connect(stations_, &QTreeView::doubleClicked, this, [this] {
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
            !stations_->indexAt(click->position().toPoint()).isValid()) {
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
    QAction* remote = nullptr;
    if (remoteIsOn_ && turnRemote_) {
        remote = menu.addAction(tr("&Network control (rigctld)"));
        remote->setCheckable(true);
        remote->setChecked(remoteIsOn_());
    }
    QAction* chosen = menu.exec(event->globalPos());
    if (chosen == about && dialog_ != nullptr) {
        dialog_->OnAbout();
    } else if (chosen != nullptr && chosen == remote) {
        turnRemote_(remote->isChecked());
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
