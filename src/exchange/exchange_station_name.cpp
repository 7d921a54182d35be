#include "exchange/exchange_station_name.h"

#include <cstddef>

namespace {

// The C locale's white space.
bool IsWhiteSpace(char c) {
    return c == ' ' || (c >= '\t' && c <= '\r');
}

void AppendTrimmed(std::string& name, const char* separator, const std::string& text) {
    name += separator;
    name += text;
    std::size_t end = name.size();
    while (end > 0 && IsWhiteSpace(name[end - 1])) --end;
    name.erase(end);
}

}  // namespace

std::string BuildStationName(std::uint32_t format, const std::vector<std::string>& texts) {
    auto text = [&texts](std::size_t index) {
        return index < texts.size() ? texts[index] : std::string();
    };
    std::string name;
    switch (format) {
        case 1:
        case 2:
            AppendTrimmed(name, "", text(0));
            AppendTrimmed(name, ", ", text(1));
            AppendTrimmed(name, ", ", text(2));
            break;
        case 3:
            AppendTrimmed(name, "", text(0));
            AppendTrimmed(name, " (", text(1));
            AppendTrimmed(name, "), ", text(2));
            AppendTrimmed(name, ", ", text(3));
            break;
        default:
            break;
    }
    return name;
}
