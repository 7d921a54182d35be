#include "stations/station_file_lines.h"

#include <limits>

namespace {

void DropCarriageReturn(std::string& line) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
}

}  // namespace

bool StationTextLines::Next(std::string& line) {
    if (pos_ >= text_.size()) return false;
    std::size_t end = text_.find('\n', pos_);
    if (end == std::string::npos) end = text_.size();
    line.assign(text_, pos_, end - pos_);
    DropCarriageReturn(line);
    pos_ = end + 1;
    return true;
}

bool StationStreamLines::Next(std::string& line) {
    // istream turns a failing device into badbit rather than an exception; ReadToEnd reports it.
    if (!std::getline(in_, line)) return false;
    DropCarriageReturn(line);
    return true;
}

bool StationStreamLines::ReadToEnd() {
    in_.ignore(std::numeric_limits<std::streamsize>::max());
    return !in_.bad();
}
