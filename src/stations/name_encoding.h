#pragma once

#include <string>
#include <string_view>

#include "base/utf8.h"

// Station names are kept as the bytes of their file, which may come from a Windows program
// writing its 8-bit code page, while the screen takes UTF-8.
enum class NameEncoding { Utf8, Windows1252 };

// The UTF-8 text that shows name. A Windows-1252 name is decoded byte by byte, the five bytes
// that code page leaves unassigned as the control characters of the same number, so that every
// name comes back from its text unchanged. A UTF-8 name that is not valid UTF-8 is read as
// Windows-1252 too: 8-bit text of unknown origin is most likely that.
std::string NameToDisplay(std::string_view name, NameEncoding encoding);

// The bytes that store UTF-8 text in the encoding. A character Windows-1252 cannot hold, and
// any byte of text that is not valid UTF-8, becomes "?".
std::string NameFromDisplay(std::string_view text, NameEncoding encoding);
