#include "platform/win32/profile_location_win32.h"

#include <shlobj.h>

#include "base/program_texts.h"
#include "platform/win32/wide_text.h"
#include "platform/win32/win32_api.h"

namespace {

// The executable's name without folder and extension: "zorivan" for C:\...\zorivan.exe.
std::wstring ExecutableBaseName() {
    wchar_t buffer[MAX_PATH] = {};
    const DWORD length = ::GetModuleFileNameW(nullptr, buffer, MAX_PATH);
    std::wstring path(buffer, length);
    const auto slash = path.find_last_of(L"\\/");
    if (slash != std::wstring::npos) path.erase(0, slash + 1);
    const auto dot = path.find_last_of(L'.');
    if (dot != std::wstring::npos && dot > 0) path.erase(dot);
    return path.empty() ? L"zorivan" : path;
}

}  // namespace

std::string DefaultProfilePath() {
    PWSTR folder = nullptr;
    if (::SHGetKnownFolderPath(FOLDERID_RoamingAppData, KF_FLAG_CREATE, nullptr, &folder) != S_OK) {
        ::CoTaskMemFree(folder);
        return {};
    }
    std::wstring directory = std::wstring(folder) + L"\\" + WideFromUtf8(kProgramName);
    ::CoTaskMemFree(folder);
    ::CreateDirectoryW(directory.c_str(), nullptr);
    return PathFromWide(directory + L"\\" + ExecutableBaseName() + L".INI");
}
