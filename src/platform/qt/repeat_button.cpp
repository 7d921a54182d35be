#include "platform/qt/repeat_button.h"

#include <QKeyEvent>
#include <QMouseEvent>

RepeatButton::RepeatButton(const QString& text, QWidget* parent) : QPushButton(text, parent) {
    // A press starts stepping at once; Enter must not turn it into a click.
    setAutoDefault(false);
}

void RepeatButton::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        emit Action(-1);
    }
    QPushButton::mousePressEvent(event);
}

void RepeatButton::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        emit Action(1);
    }
    QPushButton::mouseReleaseEvent(event);
}

void RepeatButton::mouseDoubleClickEvent(QMouseEvent* event) {
    // The default would call mousePressEvent and report the press itself; say it once here.
    if (event->button() == Qt::LeftButton) {
        emit Action(-1);
    }
    QPushButton::mousePressEvent(event);
}

void RepeatButton::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Space && !event->isAutoRepeat()) {
        emit Action(-1);
    }
    QPushButton::keyPressEvent(event);
}

void RepeatButton::keyReleaseEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Space && !event->isAutoRepeat()) {
        emit Action(1);
    }
    QPushButton::keyReleaseEvent(event);
}
