#include "support/fake_copy_data_bus.h"

#include <algorithm>

std::string FakeCopyDataBus::AddWindow(const std::string& title, bool answers) {
    const std::string address = "window-" + std::to_string(windows.size());
    windows.push_back({address, title});
    if (!answers) silentAddresses.push_back(address);
    return address;
}

void FakeCopyDataBus::EnumerateWindows(const std::function<bool(const BusWindow&)>& visit) {
    for (const BusWindow& window : windows) {
        visitedTitles.push_back(window.title);
        if (!visit(window)) return;
    }
}

bool FakeCopyDataBus::SendCopyData(const std::string& address, std::uint32_t value,
                                   const std::uint8_t* data, std::size_t size,
                                   std::int32_t& result) {
    const bool known = std::any_of(windows.begin(), windows.end(), [&](const BusWindow& window) {
        return window.address == address;
    });
    if (!known || std::count(silentAddresses.begin(), silentAddresses.end(), address) > 0)
        return false;
    sent.push_back({address, value, std::vector<std::uint8_t>(data, data + size)});
    result = answer;
    return true;
}
