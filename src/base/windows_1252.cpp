#include "base/windows_1252.h"

#include <algorithm>
#include <array>
#include <iterator>

#include "base/utf8.h"

namespace {

// Bytes 0x80 to 0x9F; the undefined ones keep their number.
constexpr std::array<char32_t, 32> kHighControlRange = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

bool IsUndefined(unsigned char byte) {
    return byte == 0x81 || byte == 0x8D || byte == 0x8F || byte == 0x90 || byte == 0x9D;
}

}  // namespace

char32_t Windows1252CodePoint(unsigned char byte) {
    if (byte >= 0x80 && byte < 0xA0) return kHighControlRange[byte - 0x80];
    return byte;
}

int Windows1252ByteOf(char32_t c) {
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) return static_cast<int>(c);
    const auto found = std::find(kHighControlRange.begin(), kHighControlRange.end(), c);
    if (found == kHighControlRange.end()) return -1;
    return 0x80 + static_cast<int>(found - kHighControlRange.begin());
}

void AppendWindows1252AsUtf8(std::string_view text, std::string& utf8) {
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x80) {
            utf8 += c;
        } else {
            AppendUtf8(IsUndefined(byte) ? U'\uFFFD' : Windows1252CodePoint(byte), utf8);
        }
    }
}

std::string Windows1252ToUtf8(std::string_view text) {
    std::string utf8;
    utf8.reserve(text.size());
    AppendWindows1252AsUtf8(text, utf8);
    return utf8;
}
