#include "base/utf8.h"

bool IsValidUtf8(std::string_view bytes) {
    std::size_t pos = 0;
    while (pos < bytes.size()) {
        if (NextUtf8CodePoint(bytes, pos) == kNotUtf8) return false;
    }
    return true;
}

char32_t NextUtf8CodePoint(std::string_view bytes, std::size_t& pos) {
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
        return kNotUtf8;
    }
    char32_t c = lead & (0x7F >> length);
    if (bytes.size() - pos < length) {
        ++pos;
        return kNotUtf8;
    }
    for (std::size_t i = 1; i < length; ++i) {
        if ((byte(pos + i) & 0xC0) != 0x80) {
            ++pos;
            return kNotUtf8;
        }
        c = (c << 6) | (byte(pos + i) & 0x3F);
    }
    if (c < smallest || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) {
        ++pos;
        return kNotUtf8;
    }
    pos += length;
    return c;
}

void AppendUtf8(char32_t c, std::string& utf8) {
    if (c < 0x80) {
        utf8 += static_cast<char>(c);
    } else if (c < 0x800) {
        utf8 += static_cast<char>(0xC0 | (c >> 6));
        utf8 += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        utf8 += static_cast<char>(0xE0 | (c >> 12));
        utf8 += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        utf8 += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        utf8 += static_cast<char>(0xF0 | (c >> 18));
        utf8 += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        utf8 += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        utf8 += static_cast<char>(0x80 | (c & 0x3F));
    }
}
