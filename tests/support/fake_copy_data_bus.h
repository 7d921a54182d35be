#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "exchange/copy_data_bus.h"

// A copy-data bus in memory: windows in the order they were added, every send recorded.
class FakeCopyDataBus : public CopyDataBus {
  public:
    struct Sent {
        std::string address;
        std::uint32_t value = 0;
        std::vector<std::uint8_t> block;
    };

    // Adds a window and returns its address. A window that does not answer takes no messages.
    std::string AddWindow(const std::string& title, bool answers = true);

    void EnumerateWindows(const std::function<bool(const BusWindow&)>& visit) override;
    bool SendCopyData(const std::string& address, std::uint32_t value, const std::uint8_t* data,
                      std::size_t size, std::int32_t& result) override;

    std::vector<BusWindow> windows;
    std::vector<std::string> silentAddresses;
    std::vector<Sent> sent;
    // Titles handed to the visitor, in order, over all enumerations.
    std::vector<std::string> visitedTitles;
    std::int32_t answer = 0;
};
