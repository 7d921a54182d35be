#pragma once

#include <string>

// The core's texts are UTF-8 and its paths are in the system's 8-bit code page (what the C and
// C++ libraries open files by); the Windows API takes UTF-16. Characters that do not convert
// become the system's replacement character.
std::wstring WideFromUtf8(const std::string& text);
std::string Utf8FromWide(const std::wstring& text);
std::wstring WideFromPath(const std::string& path);
std::string PathFromWide(const std::wstring& path);
