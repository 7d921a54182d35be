#pragma once

#include "controller/timer_host.h"
#include "platform/win32/message_window.h"

// The controller's timers as SetTimer timers on a hidden window: the ticks come through the
// message loop of the window thread, between other messages, also while a message box is open.
// Posted ticks are window messages that die with the window.
class Win32TimerHost : public TimerHost {
  public:
    Win32TimerHost();

    void Attach(TimerSink* sink) override { sink_ = sink; }
    void SetTimer(int id, int periodMs) override;
    void KillTimer(int id) override;
    void PostTimerTick(int id) override;

  private:
    void OnMessage(UINT message, WPARAM wParam);

    TimerSink* sink_ = nullptr;
    MessageWindow window_;
};
