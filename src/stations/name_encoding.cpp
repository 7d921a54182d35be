#include "stations/name_encoding.h"

#include <cstddef>

#include "base/utf8.h"
#include "base/windows_1252.h"

std::string NameToDisplay(std::string_view name, NameEncoding encoding) {
    if (encoding == NameEncoding::Utf8 && IsValidUtf8(name)) return std::string(name);
    std::string text;
    text.reserve(name.size() * 2);
    for (const char byte : name) {
        AppendUtf8(Windows1252CodePoint(static_cast<unsigned char>(byte)), text);
    }
    return text;
}

std::string NameFromDisplay(std::string_view text, NameEncoding encoding) {
    std::string name;
    name.reserve(text.size());
    std::size_t pos = 0;
    while (pos < text.size()) {
        const char32_t c = NextUtf8CodePoint(text, pos);
        const int byte = c == kNotUtf8 ? -1 : Windows1252ByteOf(c);
        if (c == kNotUtf8 || (encoding == NameEncoding::Windows1252 && byte < 0)) {
            name += '?';
        } else if (encoding == NameEncoding::Utf8) {
            AppendUtf8(c, name);
        } else {
            name += static_cast<char>(byte);
        }
    }
    return name;
}
