#include "platform/win32/wide_text.h"

#include "platform/win32/win32_api.h"

namespace {

std::wstring ToWide(UINT codePage, const std::string& text) {
    if (text.empty()) return {};
    const int size = static_cast<int>(text.size());
    const int length = ::MultiByteToWideChar(codePage, 0, text.data(), size, nullptr, 0);
    if (length <= 0) return {};
    std::wstring wide(static_cast<std::size_t>(length), L'\0');
    ::MultiByteToWideChar(codePage, 0, text.data(), size, wide.data(), length);
    return wide;
}

std::string FromWide(UINT codePage, const std::wstring& text) {
    if (text.empty()) return {};
    const int size = static_cast<int>(text.size());
    const int length =
        ::WideCharToMultiByte(codePage, 0, text.data(), size, nullptr, 0, nullptr, nullptr);
    if (length <= 0) return {};
    std::string narrow(static_cast<std::size_t>(length), '\0');
    ::WideCharToMultiByte(codePage, 0, text.data(), size, narrow.data(), length, nullptr, nullptr);
    return narrow;
}

}  // namespace

std::wstring WideFromUtf8(const std::string& text) {
    return ToWide(CP_UTF8, text);
}

std::string Utf8FromWide(const std::wstring& text) {
    return FromWide(CP_UTF8, text);
}

std::wstring WideFromPath(const std::string& path) {
    return ToWide(CP_ACP, path);
}

std::string PathFromWide(const std::wstring& path) {
    return FromWide(CP_ACP, path);
}
