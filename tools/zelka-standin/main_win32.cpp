// zelka-standin for Windows: plays the companion station database in the copy-data exchange
// with real WM_COPYDATA messages, from a hidden top-level window carrying the stand-in's title.

#include <cstdio>
#include <string>

#include "exchange/exchange_value.h"
#include "platform/win32/wide_text.h"
#include "platform/win32/win32_api.h"
#include "platform/win32/win32_copy_data_bus.h"
#include "standin_commands.h"

namespace {

int received = 0;

LRESULT CALLBACK StandinProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_COPYDATA && lParam != 0) {
        const auto& record = *reinterpret_cast<const COPYDATASTRUCT*>(lParam);
        PrintMessage(static_cast<std::uint32_t>(record.dwData),
                     static_cast<const std::uint8_t*>(record.lpData), record.cbData);
        ++received;
        return TRUE;
    }
    return ::DefWindowProcW(window, message, wParam, lParam);
}

// Never shown: only its title takes part in the exchange.
HWND MakeWindow(const std::string& title) {
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = &StandinProcedure;
    windowClass.hInstance = ::GetModuleHandleW(nullptr);
    windowClass.lpszClassName = L"ZelkaStandin";
    ::RegisterClassExW(&windowClass);
    return ::CreateWindowExW(0, windowClass.lpszClassName, WideFromUtf8(title).c_str(),
                             WS_OVERLAPPED, 0, 0, 0, 0, nullptr, nullptr, windowClass.hInstance,
                             nullptr);
}

int Listen(const StandinOptions& options) {
    std::printf("listening as \"%s\"\n", options.title.c_str());
    std::fflush(stdout);
    MSG message{};
    while ((options.count == 0 || received < options.count) &&
           ::GetMessageW(&message, nullptr, 0, 0) > 0) {
        ::TranslateMessage(&message);
        ::DispatchMessageW(&message);
    }
    return kDone;
}

}  // namespace

int main(int argc, char** argv) {
    StandinOptions options;
    int exitCode = kDone;
    if (!ParseCommandLine(argc, argv, options, exitCode)) return exitCode;
    HWND window = MakeWindow(options.title);
    if (window == nullptr) {
        std::fprintf(stderr, "zelka-standin: cannot make the stand-in's window\n");
        return kNoBus;
    }
    Win32CopyDataBus bus(window, options.timeoutMs);
    int result = kDone;
    if (options.command == "list") {
        result = ListWindows(bus, std::to_string(reinterpret_cast<std::uintptr_t>(window)));
    } else if (options.command == "listen") {
        result = Listen(options);
    } else {
        result =
            SendToTarget(bus, options, options.command == "tune" ? kTuneMessage : kStationMessage);
    }
    ::DestroyWindow(window);
    return result;
}
