#include "stations/name_encoding.h"

#include <algorithm>
#include <cstddef>
#include <iterator>

namespace {

// Windows-1252 bytes 0x80 to 0x9F; the five the code page leaves unassigned keep their number.
constexpr char32_t kHighControlRow[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

constexpr char32_t kNoCharacter = 0xFFFFFFFF;

char32_t FromWindows1252(unsigned char byte) {
    return byte >= 0x80 && byte <= 0x9F ? kHighControlRow[byte - 0x80] : char32_t{byte};
}

// The byte for c, or '?' when Windows-1252 has none.
char ToWindows1252(char32_t c) {
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) return static_cast<char>(c);
    const char32_t* found = std::find(std::begin(kHighControlRow), std::end(kHighControlRow), c);
    if (found == std::end(kHighControlRow)) return '?';
    return static_cast<char>(0x80 + (found - std::begin(kHighControlRow)));
}

// The code point of the UTF-8 sequence at pos, which moves past it; kNoCharacter (pos one byte
// further) when no well-formed sequence starts there.
char32_t NextCodePoint(std::string_view bytes, std::size_t& pos) {
    const auto byte = [&bytes](std::size_t at) { return static_cast<unsigned char>(bytes[at]); };
    const unsigned char lead = byte(pos);
    if (lead < 0x80) {
        ++pos;
        return lead;
    }
    // The lead byte gives the length; below `smallest` the sequence would be an overlong form.
    std::size_t length = 0;
    char32_t smallest = 0;
    if (lead >= 0xC0 && lead < 0xE0) {
        length = 2;
        smallest = 0x80;
    } else if (lead >= 0xE0 && lead < 0xF0) {
        length = 3;
        smallest = 0x800;
    } else if (lead >= 0xF0 && lead < 0xF8) {
        length = 4;
        smallest = 0x10000;
    } else {
        ++pos;
        return kNoCharacter;
    }
    char32_t c = lead & (0x7F >> length);
    if (bytes.size() - pos < length) {
        ++pos;
        return kNoCharacter;
    }
    for (std::size_t i = 1; i < length; ++i) {
        if ((byte(pos + i) & 0xC0) != 0x80) {
            ++pos;
            return kNoCharacter;
        }
        c = (c << 6) | (byte(pos + i) & 0x3F);
    }
    if (c < smallest || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) {
        ++pos;
        return kNoCharacter;
    }
    pos += length;
    return c;
}

void AppendUtf8(std::string& text, char32_t c) {
    if (c < 0x80) {
        text += static_cast<char>(c);
    } else if (c < 0x800) {
        text += static_cast<char>(0xC0 | (c >> 6));
        text += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        text += static_cast<char>(0xE0 | (c >> 12));
        text += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        text += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        text += static_cast<char>(0xF0 | (c >> 18));
        text += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        text += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        text += static_cast<char>(0x80 | (c & 0x3F));
    }
}

}  // namespace

bool IsValidUtf8(std::string_view bytes) {
    std::size_t pos = 0;
    while (pos < bytes.size()) {
        if (NextCodePoint(bytes, pos) == kNoCharacter) return false;
    }
    return true;
}

std::string NameToDisplay(std::string_view name, NameEncoding encoding) {
    if (encoding == NameEncoding::Utf8 && IsValidUtf8(name)) return std::string(name);
    std::string text;
    text.reserve(name.size() * 2);
    for (const char byte : name) {
        AppendUtf8(text, FromWindows1252(static_cast<unsigned char>(byte)));
    }
    return text;
}

std::string NameFromDisplay(std::string_view text, NameEncoding encoding) {
    std::string name;
    name.reserve(text.size());
    std::size_t pos = 0;
    while (pos < text.size()) {
        const char32_t c = NextCodePoint(text, pos);
        if (c == kNoCharacter) {
            name += '?';
        } else if (encoding == NameEncoding::Utf8) {
            AppendUtf8(name, c);
        } else {
            name += ToWindows1252(c);
        }
    }
    return name;
}
