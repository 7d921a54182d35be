#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>

// A window that takes part in the copy-data exchange, as an enumeration reports it.
struct BusWindow {
    std::string address;  // opaque to the caller; hand it back to SendCopyData
    std::string title;
};

// The host's copy-data message service: the taking-part windows with their titles, and a
// synchronous send of a value and a block to one of them.
class CopyDataBus {
  public:
    virtual ~CopyDataBus() = default;

    // Calls visit for every taking-part window that answers, this program's own included, in the
    // same order on every call while the set of windows stays the same; stops when visit returns
    // false.
    virtual void EnumerateWindows(const std::function<bool(const BusWindow&)>& visit) = 0;

    // Delivers value and the size bytes at data to the window and waits for its answer. False
    // when the window is gone, refuses the message or does not answer in time; result is then
    // left alone.
    virtual bool SendCopyData(const std::string& address, std::uint32_t value,
                              const std::uint8_t* data, std::size_t size, std::int32_t& result) = 0;
};
