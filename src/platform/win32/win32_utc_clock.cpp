#include "platform/win32/win32_utc_clock.h"

#include "platform/win32/win32_api.h"

UtcTime Win32UtcClock::Now() {
    SYSTEMTIME now{};
    ::GetSystemTime(&now);
    UtcTime result;
    result.day = now.wDay;
    result.month = now.wMonth;
    result.year = now.wYear;
    result.hour = now.wHour;
    result.minute = now.wMinute;
    result.second = now.wSecond;
    return result;
}
