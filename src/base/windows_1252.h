#pragma once

#include <string>
#include <string_view>

// Windows-1252, the 8-bit Western code page of files written on Windows, and UTF-8.
// 0x00-0x7F are ASCII, 0xA0-0xFF are U+00A0-U+00FF, 0x80-0x9F hold typographic marks and a few
// letters (0x80 is the euro sign). Five bytes (0x81, 0x8D, 0x8F, 0x90, 0x9D) are undefined.

// The code point of one byte; an undefined byte gives the C1 control of the same number, so that
// text read this way turns back into the same bytes.
char32_t Windows1252CodePoint(unsigned char byte);
// The byte that holds c, or -1 when the code page has none.
int Windows1252ByteOf(char32_t c);

// Appends the UTF-8 form of text to utf8. Every byte sequence is accepted; the undefined bytes
// become U+FFFD, the replacement character, since a C1 control would be invisible on screen.
void AppendWindows1252AsUtf8(std::string_view text, std::string& utf8);
std::string Windows1252ToUtf8(std::string_view text);
