#pragma once

#include <cstddef>
#include <istream>
#include <string>

// The lines of a station file one by one, without their ends, from text in memory or from a
// stream. A bare LF ends a line as well as CR LF; a last line without an end still counts.
class StationFileLines {
  public:
    virtual ~StationFileLines() = default;
    // False after the last line.
    virtual bool Next(std::string& line) = 0;
    // Reads past whatever is left; false when the text could not be read through to its end.
    virtual bool ReadToEnd() = 0;
};

class StationTextLines : public StationFileLines {
  public:
    explicit StationTextLines(const std::string& text) : text_(text) {}
    bool Next(std::string& line) override;
    bool ReadToEnd() override { return true; }

  private:
    const std::string& text_;
    std::size_t pos_ = 0;
};

// Holds one line at a time, so a file of any length needs no more memory than its longest line.
class StationStreamLines : public StationFileLines {
  public:
    explicit StationStreamLines(std::istream& in) : in_(in) {}
    bool Next(std::string& line) override;
    bool ReadToEnd() override;

  private:
    std::istream& in_;
};
