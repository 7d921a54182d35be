#pragma once

#include <functional>

#include "platform/win32/win32_api.h"

// A hidden message-only window owned by the thread that makes it: a target for SetTimer and
// PostMessage whose messages the thread's message loop (any modal one included) delivers to
// handler. Message-only windows are left out of the top-level window enumeration, so the
// exchange never sees it.
class MessageWindow {
  public:
    using Handler = std::function<void(UINT message, WPARAM wParam, LPARAM lParam)>;

    explicit MessageWindow(Handler handler);
    ~MessageWindow();
    MessageWindow(const MessageWindow&) = delete;
    MessageWindow& operator=(const MessageWindow&) = delete;

    // Null when the window could not be made.
    HWND Handle() const { return window_; }

  private:
    static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

    Handler handler_;
    HWND window_ = nullptr;
};
