#include "app/ini_text.h"

#include <algorithm>
#include <utility>

namespace {

constexpr const char* kBlanks = " \t\r\v\f";
constexpr const char* kUtf8ByteOrderMark = "\xEF\xBB\xBF";

std::string Trim(const std::string& text) {
    const std::size_t first = text.find_first_not_of(kBlanks);
    if (first == std::string::npos) return {};
    const std::size_t last = text.find_last_not_of(kBlanks);
    return text.substr(first, last - first + 1);
}

char LowerAscii(char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

bool IsBlankLine(const std::string& line) {
    return line.find_first_not_of(kBlanks) == std::string::npos;
}

bool IsComment(const std::string& line) {
    const std::size_t first = line.find_first_not_of(kBlanks);
    return first != std::string::npos && (line[first] == ';' || line[first] == '#');
}

// "[name]" with blanks allowed around everything; text after the bracket is ignored.
bool ReadSectionHeader(const std::string& line, std::string& name) {
    const std::size_t open = line.find_first_not_of(kBlanks);
    if (open == std::string::npos || line[open] != '[') return false;
    const std::size_t close = line.find(']', open + 1);
    if (close == std::string::npos) return false;
    name = Trim(line.substr(open + 1, close - open - 1));
    return true;
}

// "name=value"; equalsAt is the position of the "=".
bool ReadKeyLine(const std::string& line, std::string& name, std::size_t& equalsAt) {
    const std::size_t first = line.find_first_not_of(kBlanks);
    if (first == std::string::npos || line[first] == '[' || IsComment(line)) return false;
    equalsAt = line.find('=');
    if (equalsAt == std::string::npos) return false;
    name = Trim(line.substr(0, equalsAt));
    return !name.empty();
}

bool IsSectionHeader(const std::string& line) {
    std::string ignored;
    return ReadSectionHeader(line, ignored);
}

}  // namespace

bool SameIniName(const std::string& a, const std::string& b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (LowerAscii(a[i]) != LowerAscii(b[i])) return false;
    }
    return true;
}

IniText::IniText(const std::string& text) {
    std::size_t start = 0;
    if (text.compare(0, 3, kUtf8ByteOrderMark) == 0) {
        byteOrderMark_ = kUtf8ByteOrderMark;
        start = 3;
    }
    const std::size_t firstNewline = text.find('\n', start);
    if (firstNewline != std::string::npos && firstNewline > start &&
        text[firstNewline - 1] == '\r') {
        lineEnd_ = "\r\n";
    }
    while (start < text.size()) {
        std::size_t end = text.find('\n', start);
        if (end == std::string::npos) end = text.size();
        std::string line = text.substr(start, end - start);
        if (!line.empty() && line.back() == '\r') line.pop_back();
        lines_.push_back(std::move(line));
        start = end + 1;
    }
}

std::string IniText::Text() const {
    std::string text = byteOrderMark_;
    for (const std::string& line : lines_) text += line + lineEnd_;
    return text;
}

std::size_t IniText::FindSection(const std::string& section) const {
    std::string name;
    for (std::size_t i = 0; i < lines_.size(); ++i) {
        if (ReadSectionHeader(lines_[i], name) && SameIniName(name, section)) return i;
    }
    return kNotFound;
}

std::size_t IniText::SectionEnd(std::size_t headerIndex) const {
    std::size_t i = headerIndex + 1;
    while (i < lines_.size() && !IsSectionHeader(lines_[i])) ++i;
    return i;
}

std::size_t IniText::FindKey(std::size_t headerIndex, const std::string& key) const {
    const std::size_t end = SectionEnd(headerIndex);
    std::string name;
    std::size_t equalsAt = 0;
    for (std::size_t i = headerIndex + 1; i < end; ++i) {
        if (ReadKeyLine(lines_[i], name, equalsAt) && SameIniName(name, key)) return i;
    }
    return kNotFound;
}

std::size_t IniText::InsertionPoint(std::size_t headerIndex) const {
    std::size_t after = headerIndex + 1;
    const std::size_t end = SectionEnd(headerIndex);
    for (std::size_t i = headerIndex + 1; i < end; ++i) {
        if (!IsBlankLine(lines_[i]) && !IsComment(lines_[i])) after = i + 1;
    }
    return after;
}

bool IniText::FindValue(const std::string& section, const std::string& key,
                        std::string& value) const {
    const std::size_t header = FindSection(section);
    if (header == kNotFound) return false;
    const std::size_t keyLine = FindKey(header, key);
    if (keyLine == kNotFound) return false;
    const std::string& line = lines_[keyLine];
    value = Trim(line.substr(line.find('=') + 1));
    return true;
}

bool IniText::SetValue(const std::string& section, const std::string& key,
                       const std::string& value) {
    const std::size_t header = FindSection(section);
    if (header == kNotFound) {
        if (!lines_.empty() && !IsBlankLine(lines_.back())) lines_.emplace_back();
        lines_.push_back("[" + section + "]");
        lines_.push_back(key + "=" + value);
        return true;
    }
    const std::size_t keyLine = FindKey(header, key);
    if (keyLine == kNotFound) {
        lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(InsertionPoint(header)),
                      key + "=" + value);
        return true;
    }
    std::string& line = lines_[keyLine];
    const std::size_t equalsAt = line.find('=');
    if (Trim(line.substr(equalsAt + 1)) == Trim(value)) return false;
    // The name and the blanks around "=" stay as the file had them.
    const std::size_t valueAt =
        std::min(line.find_first_not_of(kBlanks, equalsAt + 1), line.size());
    line = line.substr(0, valueAt) + value;
    return true;
}
