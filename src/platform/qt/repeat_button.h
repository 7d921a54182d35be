#pragma once

#include <QPushButton>

// A push button that reports the moment it goes down (-1) and comes up (1), so that holding it
// can keep tuning. The second press of a double click counts as a press. Space held on the
// focused button works like the mouse, for keyboard users.
class RepeatButton : public QPushButton {
    Q_OBJECT

  public:
    explicit RepeatButton(const QString& text, QWidget* parent = nullptr);

  signals:
    // -1 pressed, 1 released.
    void Action(int action);

  protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
};
