#pragma once

#include <string>
#include <string_view>

// What NextUtf8CodePoint returns where no well-formed sequence starts.
inline constexpr char32_t kNotUtf8 = 0xFFFFFFFF;

// True when bytes are well-formed UTF-8 (no overlong forms, surrogates or code points beyond
// U+10FFFF).
bool IsValidUtf8(std::string_view bytes);

// The code point of the UTF-8 sequence at pos, which moves past it; kNotUtf8 (pos one byte
// further) when no well-formed sequence starts there. pos must be inside bytes.
char32_t NextUtf8CodePoint(std::string_view bytes, std::size_t& pos);

// Appends the UTF-8 form of a code point up to U+10FFFF.
void AppendUtf8(char32_t codePoint, std::string& utf8);
