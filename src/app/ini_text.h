#pragma once

#include <cstddef>
#include <string>
#include <vector>

// The text of a classic sectioned initialisation file: "[Section]" lines, then "Key=Value" lines.
// Names are matched without regard to case and to blanks around them; values lose the blanks
// around them. Lines it does not understand (comments, junk) are kept as they are, and setting a
// value changes only the line of its key, so a file edited by hand keeps its comments and order.
// A new key goes at the end of its section, a new section at the end of the file. The text keeps
// the line ending it had (CR LF or LF; LF when it had none) and a UTF-8 byte order mark.
class IniText {
  public:
    IniText() = default;
    explicit IniText(const std::string& text);

    // The value of key in section, blanks around it removed; false when there is no such key.
    bool FindValue(const std::string& section, const std::string& key, std::string& value) const;
    // Sets key in section to value, which must not hold a LF. False when the key already held
    // that value, so nothing changed.
    bool SetValue(const std::string& section, const std::string& key, const std::string& value);

    // The whole text, every line with the kept line ending.
    std::string Text() const;

  private:
    static constexpr std::size_t kNotFound = static_cast<std::size_t>(-1);

    // Index of the header line of section, or kNotFound. The first of equal names wins.
    std::size_t FindSection(const std::string& section) const;
    // One past the last line of the section whose header is at headerIndex.
    std::size_t SectionEnd(std::size_t headerIndex) const;
    // Index of key's line inside the section, or kNotFound.
    std::size_t FindKey(std::size_t headerIndex, const std::string& key) const;
    // Where a new key line goes: after the last key or other text of the section, so that blank
    // lines and comments in front of the next section stay with it.
    std::size_t InsertionPoint(std::size_t headerIndex) const;

    std::vector<std::string> lines_;  // without their line ends
    std::string byteOrderMark_;       // kept when an editor put one in front
    std::string lineEnd_ = "\n";
};

// Whether two section or key names are the same name to the reader (ASCII case ignored).
bool SameIniName(const std::string& a, const std::string& b);
