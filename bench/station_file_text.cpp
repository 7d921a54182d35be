#include "station_file_text.h"

#include <cstdint>
#include <fstream>

namespace {

constexpr const char* kHeader = "240951\r\n1\r\n";

// The lines of the file one by one, from a small linear congruential generator: a fixed
// sequence, no library dependence.
class StationLines {
  public:
    std::string Next() {
        state_ = state_ * 1664525u + 1013904223u;
        const int frequencyHz = 100000 + static_cast<int>(state_ % 29900000u);
        const int i = index_++;
        return "Station " + std::to_string(state_ % 100000u) + " #" + std::to_string(i) + "|" +
               std::to_string(frequencyHz) + "|" + std::to_string(i % 4) + "|2|" +
               std::to_string(i % 36) + "|0\r\n";
    }

  private:
    std::uint32_t state_ = 12345;
    int index_ = 0;
};

}  // namespace

std::string StationFileText(int count) {
    std::string text = kHeader;
    StationLines lines;
    for (int i = 0; i < count; ++i) text += lines.Next();
    return text;
}

bool WriteStationFile(const std::string& path, int count) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << kHeader;
    StationLines lines;
    for (int i = 0; i < count && out; ++i) out << lines.Next();
    out.close();
    return !out.fail();
}
