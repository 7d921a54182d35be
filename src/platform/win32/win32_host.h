#pragma once

#include <deque>
#include <functional>
#include <mutex>
#include <vector>

#include "base/toolkit.h"
#include "platform/win32/message_window.h"

// The program's host services on Win32: message boxes captioned "ZORIVAN", the exclamation
// beep, the common open and save dialogs, and modal dialogs from the resource templates. Boxes
// and dialogs are owned by the dialog that is open at the time, else by the parent window once
// one is set (the main window). Make it on the window thread; Post may be called from any.
class Win32Host : public Host {
  public:
    Win32Host();

    void SetParentWindow(HWND parent) { parent_ = parent; }

    int MessageBox(const std::string& text, MessageButtons buttons, MessageIcon icon) override;
    void Beep() override;
    bool GetSaveFileName(const FileDialogOptions& options, std::string& path) override;
    bool GetOpenFileName(const FileDialogOptions& options, std::string& path) override;
    // IDCANCEL for a template the program does not hold.
    int RunModal(DialogLogic& dialog) override;
    // Thread-safe: queues work under a lock and wakes the window thread with a posted message.
    void Post(std::function<void()> work) override;

  private:
    HWND Owner() const;
    bool RunFileDialog(const FileDialogOptions& options, bool save, std::string& path);
    void RunPosted();
    static INT_PTR CALLBACK ModalProcedure(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);

    HWND parent_ = nullptr;
    std::vector<HWND> openDialogs_;  // innermost last
    std::mutex postedLock_;
    std::deque<std::function<void()>> posted_;
    MessageWindow wakeUp_;
};
