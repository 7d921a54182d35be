#pragma once

#include <QString>
#include <QWidget>

// A control that paints a value. Screen readers cannot see paint, so each such control says in
// words what it shows: its accessible value (and description) follow every change. Its name,
// given by the window, says what the value is, as the control has no caption of its own.
class ValueDisplay : public QWidget {
    Q_OBJECT

  public:
    explicit ValueDisplay(QWidget* parent = nullptr);

    // What the control shows, in words.
    virtual QString ValueText() const = 0;

  protected:
    // After the value changed: repaint at once and tell assistive tools.
    void ValueChanged();
};
