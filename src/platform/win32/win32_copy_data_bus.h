#pragma once

#include "exchange/copy_data_bus.h"
#include "platform/win32/win32_api.h"

// The copy-data exchange as Windows has it: every top-level window with its title, and
// WM_COPYDATA sent with a time-out, so that a hung partner cannot freeze this program. The
// window's own messages arrive in its window procedure, not here. An address is the window
// handle's number in decimal.
class Win32CopyDataBus : public CopyDataBus {
  public:
    static constexpr int kDefaultTimeoutMs = 1000;

    // sender: this program's window, named as the sender of every message; not owned.
    explicit Win32CopyDataBus(HWND sender, int timeoutMs = kDefaultTimeoutMs)
        : sender_(sender), timeoutMs_(timeoutMs) {}

    void EnumerateWindows(const std::function<bool(const BusWindow&)>& visit) override;
    bool SendCopyData(const std::string& address, std::uint32_t value, const std::uint8_t* data,
                      std::size_t size, std::int32_t& result) override;

  private:
    HWND sender_;
    int timeoutMs_;
};
