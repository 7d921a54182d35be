#include "exchange/partner_title.h"

bool TitleNamesProgram(const std::string& title, const std::string& name) {
    const std::size_t start = title.find_first_not_of(' ');
    if (start == std::string::npos) return false;
    return title.compare(start, name.size(), name) == 0;
}

bool FindProgramWindow(CopyDataBus& bus, const std::string& name, BusWindow& window) {
    bool found = false;
    bus.EnumerateWindows([&](const BusWindow& candidate) {
        if (!TitleNamesProgram(candidate.title, name)) return true;
        window = candidate;
        found = true;
        return false;
    });
    return found;
}
