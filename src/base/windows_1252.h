#pragma once

#include <string>
#include <string_view>

// Windows-1252, the 8-bit Western code page of files written on Windows, read into UTF-8.
// 0x00-0x7F are ASCII, 0xA0-0xFF are U+00A0-U+00FF, 0x80-0x9F hold typographic marks and a few
// letters (0x80 is the euro sign). The five bytes the code page leaves undefined (0x81, 0x8D,
// 0x8F, 0x90, 0x9D) become U+FFFD, the replacement character: these texts are shown to the user,
// and a C1 control would be invisible there while U+FFFD shows that a byte was not readable.

// The Unicode code point of one byte.
char32_t Windows1252CodePoint(unsigned char byte);

// Appends the UTF-8 form of text to utf8. Every byte sequence is accepted.
void AppendWindows1252AsUtf8(std::string_view text, std::string& utf8);

std::string Windows1252ToUtf8(std::string_view text);
