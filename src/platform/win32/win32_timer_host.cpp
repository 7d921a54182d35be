#include "platform/win32/win32_timer_host.h"

namespace {

constexpr UINT kPostedTick = WM_APP + 1;

}  // namespace

Win32TimerHost::Win32TimerHost()
    : window_([this](UINT message, WPARAM wParam, LPARAM) { OnMessage(message, wParam); }) {}

void Win32TimerHost::SetTimer(int id, int periodMs) {
    // The same id again replaces the period, as the controller expects of a restart.
    ::SetTimer(window_.Handle(), static_cast<UINT_PTR>(id), static_cast<UINT>(periodMs), nullptr);
}

void Win32TimerHost::KillTimer(int id) {
    ::KillTimer(window_.Handle(), static_cast<UINT_PTR>(id));
}

void Win32TimerHost::PostTimerTick(int id) {
    ::PostMessageW(window_.Handle(), kPostedTick, static_cast<WPARAM>(id), 0);
}

void Win32TimerHost::OnMessage(UINT message, WPARAM wParam) {
    if ((message == WM_TIMER || message == kPostedTick) && sink_ != nullptr) {
        sink_->OnTimer(static_cast<int>(wParam));
    }
}
