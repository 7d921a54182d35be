#include <gtest/gtest.h>

#include <string>
#include <thread>
#include <vector>

#include "exchange/partner_title.h"
#include "platform/win32/message_window.h"
#include "platform/win32/win32_copy_data_bus.h"
#include "platform/win32/win32_host.h"

namespace {

// Delivers this thread's messages until done() or a bounded number of turns have passed.
template <class Done>
void PumpUntil(Done done) {
    for (int turn = 0; turn < 2000 && !done(); ++turn) {
        MSG message{};
        while (::PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
            ::TranslateMessage(&message);
            ::DispatchMessageW(&message);
        }
        if (!done()) ::Sleep(1);
    }
}

std::vector<std::uint8_t> received;
ULONG_PTR receivedValue = 0;

LRESULT CALLBACK PartnerProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_COPYDATA) {
        const auto& record = *reinterpret_cast<const COPYDATASTRUCT*>(lParam);
        const auto* bytes = static_cast<const std::uint8_t*>(record.lpData);
        received.assign(bytes, bytes + record.cbData);
        receivedValue = record.dwData;
        return 7;
    }
    return ::DefWindowProcW(window, message, wParam, lParam);
}

HWND MakePartner(const wchar_t* title) {
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = &PartnerProcedure;
    windowClass.hInstance = ::GetModuleHandleW(nullptr);
    windowClass.lpszClassName = L"ZorivanTestPartner";
    ::RegisterClassExW(&windowClass);
    return ::CreateWindowExW(0, windowClass.lpszClassName, title, WS_OVERLAPPED, 0, 0, 0, 0,
                             nullptr, nullptr, windowClass.hInstance, nullptr);
}

}  // namespace

TEST(Win32CopyDataBus, FindsThePartnerByTitleAndDeliversValueAndBlockExactly) {
    HWND partner = MakePartner(L"   ZELKA Station Database");
    ASSERT_NE(partner, nullptr);
    Win32CopyDataBus bus(partner);
    BusWindow found;
    ASSERT_TRUE(FindProgramWindow(bus, "ZELKA", found));
    EXPECT_EQ(found.title, "   ZELKA Station Database");

    std::vector<std::uint8_t> block(76, 0);
    block[0] = 0xE0, block[1] = 0x2E, block[2] = 0x92, block[4] = 'x';
    std::int32_t result = 0;
    ASSERT_TRUE(bus.SendCopyData(found.address, 10001, block.data(), block.size(), result));
    EXPECT_EQ(result, 7);
    EXPECT_EQ(receivedValue, 10001u);
    EXPECT_EQ(received, block);

    ::DestroyWindow(partner);
    EXPECT_FALSE(bus.SendCopyData(found.address, 10001, block.data(), block.size(), result));
    EXPECT_FALSE(bus.SendCopyData("not a window", 1, block.data(), block.size(), result));
}

TEST(Win32Host, WorkPostedFromOtherThreadsRunsOnTheWindowThreadInOrder) {
    Win32Host host;
    const DWORD windowThread = ::GetCurrentThreadId();
    std::vector<int> order;
    bool allOnWindowThread = true;
    std::thread worker([&] {
        for (int i = 0; i < 50; ++i) {
            host.Post([&, i] {
                order.push_back(i);
                allOnWindowThread = allOnWindowThread && ::GetCurrentThreadId() == windowThread;
            });
        }
    });
    worker.join();
    EXPECT_TRUE(order.empty());  // never inside Post
    PumpUntil([&] { return order.size() == 50; });
    ASSERT_EQ(order.size(), 50u);
    for (int i = 0; i < 50; ++i) EXPECT_EQ(order[static_cast<std::size_t>(i)], i);
    EXPECT_TRUE(allOnWindowThread);
}
