#include "base/windows_1252.h"

#include <array>

namespace {

constexpr char32_t kUndefined = U'\uFFFD';

constexpr std::array<char32_t, 32> kHighControlRange = {
    U'\u20AC',  kUndefined, U'\u201A', U'\u0192', U'\u201E', U'\u2026',  U'\u2020', U'\u2021',
    U'\u02C6',  U'\u2030',  U'\u0160', U'\u2039', U'\u0152', kUndefined, U'\u017D', kUndefined,
    kUndefined, U'\u2018',  U'\u2019', U'\u201C', U'\u201D', U'\u2022',  U'\u2013', U'\u2014',
    U'\u02DC',  U'\u2122',  U'\u0161', U'\u203A', U'\u0153', kUndefined, U'\u017E', U'\u0178',
};

void AppendUtf8(char32_t codePoint, std::string& utf8) {
    if (codePoint < 0x80) {
        utf8 += static_cast<char>(codePoint);
    } else if (codePoint < 0x800) {
        utf8 += static_cast<char>(0xC0 | (codePoint >> 6));
        utf8 += static_cast<char>(0x80 | (codePoint & 0x3F));
    } else {
        // The code page reaches no further than U+FFFD.
        utf8 += static_cast<char>(0xE0 | (codePoint >> 12));
        utf8 += static_cast<char>(0x80 | ((codePoint >> 6) & 0x3F));
        utf8 += static_cast<char>(0x80 | (codePoint & 0x3F));
    }
}

}  // namespace

char32_t Windows1252CodePoint(unsigned char byte) {
    if (byte >= 0x80 && byte < 0xA0) return kHighControlRange[byte - 0x80];
    return byte;
}

void AppendWindows1252AsUtf8(std::string_view text, std::string& utf8) {
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x80) {
            utf8 += c;
        } else {
            AppendUtf8(Windows1252CodePoint(byte), utf8);
        }
    }
}

std::string Windows1252ToUtf8(std::string_view text) {
    std::string utf8;
    utf8.reserve(text.size());
    AppendWindows1252AsUtf8(text, utf8);
    return utf8;
}
