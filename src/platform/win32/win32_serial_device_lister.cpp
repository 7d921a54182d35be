#include "platform/win32/win32_serial_device_lister.h"

#include <algorithm>
#include <cstdlib>

#include "platform/win32/wide_text.h"
#include "platform/win32/win32_api.h"

namespace {

// COM12 after COM3: by the number after "COM", names without one last.
long PortNumber(const std::string& name) {
    if (name.rfind("COM", 0) != 0) return 1L << 30;
    return std::strtol(name.c_str() + 3, nullptr, 10);
}

}  // namespace

std::vector<std::string> Win32SerialDeviceLister::List() {
    std::vector<std::string> ports;
    HKEY key = nullptr;
    if (::RegOpenKeyExW(HKEY_LOCAL_MACHINE, L"HARDWARE\\DEVICEMAP\\SERIALCOMM", 0, KEY_READ,
                        &key) != ERROR_SUCCESS) {
        return ports;
    }
    for (DWORD index = 0;; ++index) {
        wchar_t name[256];
        DWORD nameLength = 256;
        wchar_t data[256];
        DWORD dataBytes = sizeof data - sizeof(wchar_t);
        DWORD type = 0;
        const LSTATUS status = ::RegEnumValueW(key, index, name, &nameLength, nullptr, &type,
                                               reinterpret_cast<BYTE*>(data), &dataBytes);
        if (status == ERROR_NO_MORE_ITEMS) break;
        if (status != ERROR_SUCCESS || type != REG_SZ) continue;
        data[dataBytes / sizeof(wchar_t)] = L'\0';
        ports.push_back(PathFromWide(data));
    }
    ::RegCloseKey(key);
    std::stable_sort(ports.begin(), ports.end(), [](const std::string& a, const std::string& b) {
        return PortNumber(a) < PortNumber(b);
    });
    return ports;
}
