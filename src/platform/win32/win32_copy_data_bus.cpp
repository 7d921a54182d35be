#include "platform/win32/win32_copy_data_bus.h"

#include <charconv>
#include <string>
#include <vector>

#include "platform/win32/wide_text.h"

namespace {

// At most this many characters of a title are read, as the partner search reads them.
constexpr int kTitleCharacters = 511;

BOOL CALLBACK CollectWindow(HWND window, LPARAM windows) {
    reinterpret_cast<std::vector<HWND>*>(windows)->push_back(window);
    return TRUE;
}

std::string AddressOf(HWND window) {
    return std::to_string(reinterpret_cast<std::uintptr_t>(window));
}

HWND WindowAt(const std::string& address) {
    std::uintptr_t number = 0;
    const char* end = address.data() + address.size();
    const auto [rest, error] = std::from_chars(address.data(), end, number);
    if (error != std::errc() || rest != end || number == 0) return nullptr;
    return reinterpret_cast<HWND>(number);
}

}  // namespace

void Win32CopyDataBus::EnumerateWindows(const std::function<bool(const BusWindow&)>& visit) {
    // Listed first and visited after: a visit may open a message box, which must not happen
    // inside EnumWindows.
    std::vector<HWND> windows;
    ::EnumWindows(&CollectWindow, reinterpret_cast<LPARAM>(&windows));
    for (HWND window : windows) {
        wchar_t title[kTitleCharacters + 1] = {};
        const int length = ::GetWindowTextW(window, title, kTitleCharacters + 1);
        if (length <= 0) continue;
        if (!visit(BusWindow{AddressOf(window), Utf8FromWide(std::wstring(title, length))})) {
            return;
        }
    }
}

bool Win32CopyDataBus::SendCopyData(const std::string& address, std::uint32_t value,
                                    const std::uint8_t* data, std::size_t size,
                                    std::int32_t& result) {
    HWND target = WindowAt(address);
    if (target == nullptr || !::IsWindow(target) || size > MAXDWORD) return false;
    COPYDATASTRUCT record{};
    record.dwData = value;
    record.cbData = static_cast<DWORD>(size);
    record.lpData = const_cast<std::uint8_t*>(data);
    DWORD_PTR answer = 0;
    // SMTO_NORMAL: this thread goes on taking messages sent to it while it waits, so a partner
    // that sends back before answering does not deadlock.
    if (::SendMessageTimeoutW(target, WM_COPYDATA, reinterpret_cast<WPARAM>(sender_),
                              reinterpret_cast<LPARAM>(&record), SMTO_NORMAL | SMTO_ABORTIFHUNG,
                              static_cast<UINT>(timeoutMs_), &answer) == 0) {
        return false;
    }
    result = static_cast<std::int32_t>(answer);
    return true;
}
