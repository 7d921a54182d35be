#include "platform/win32/win32_serial_device.h"

#include <algorithm>
#include <thread>

#include "platform/win32/wide_text.h"
#include "platform/win32/win32_api.h"

namespace {

std::wstring DeviceName(const std::string& path) {
    const std::wstring wide = WideFromPath(path);
    return wide.rfind(L"\\\\", 0) == 0 ? wide : L"\\\\.\\" + wide;
}

SerialOpenError OpenErrorOf(DWORD error) {
    switch (error) {
        case ERROR_FILE_NOT_FOUND:
        case ERROR_PATH_NOT_FOUND:
        case ERROR_INVALID_NAME:
            return SerialOpenError::NoSuchDevice;
        case ERROR_SHARING_VIOLATION:
            return SerialOpenError::Busy;
        case ERROR_ACCESS_DENIED:
            // What Windows answers for a COM port another program holds.
            return SerialOpenError::Busy;
        default:
            return SerialOpenError::Other;
    }
}

}  // namespace

Win32SerialDevice::~Win32SerialDevice() {
    Close();
}

bool Win32SerialDevice::Open(const std::string& path) {
    if (handle_ != nullptr) {
        lastOpenError_ = SerialOpenError::Busy;
        return false;
    }
    // Share mode 0: exclusive, so a second program cannot talk to the receiver at the same time.
    // No FILE_FLAG_OVERLAPPED: reads and writes are synchronous and end at the time-outs.
    HANDLE handle = ::CreateFileW(DeviceName(path).c_str(), GENERIC_READ | GENERIC_WRITE, 0,
                                  nullptr, OPEN_EXISTING, 0, nullptr);
    if (handle == INVALID_HANDLE_VALUE) {
        lastOpenError_ = OpenErrorOf(::GetLastError());
        return false;
    }
    handle_ = handle;
    lastOpenError_ = SerialOpenError::None;
    gone_ = false;
    return true;
}

void Win32SerialDevice::Close() {
    if (handle_ != nullptr) {
        ::CloseHandle(handle_);
        handle_ = nullptr;
    }
}

bool Win32SerialDevice::GetLine(SerialLineSettings& settings) {
    DCB dcb{};
    dcb.DCBlength = sizeof dcb;
    if (handle_ == nullptr || !::GetCommState(handle_, &dcb)) return false;
    settings.baudRate = dcb.BaudRate;
    settings.dataBits = dcb.ByteSize;
    settings.parity = dcb.Parity;
    settings.stopBits = dcb.StopBits;
    settings.binary = dcb.fBinary != 0;
    settings.ctsOutputFlow = dcb.fOutxCtsFlow != 0;
    settings.dsrOutputFlow = dcb.fOutxDsrFlow != 0;
    settings.dtrEnabled = dcb.fDtrControl != DTR_CONTROL_DISABLE;
    settings.xonXoffOutput = dcb.fOutX != 0;
    settings.xonXoffInput = dcb.fInX != 0;
    settings.rtsEnabled = dcb.fRtsControl != RTS_CONTROL_DISABLE;
    return true;
}

bool Win32SerialDevice::SetLine(const SerialLineSettings& settings) {
    DCB dcb{};
    dcb.DCBlength = sizeof dcb;
    // Read first: the fields the program does not name stay as the driver has them.
    if (handle_ == nullptr || !::GetCommState(handle_, &dcb)) return false;
    dcb.BaudRate = settings.baudRate;
    dcb.ByteSize = static_cast<BYTE>(settings.dataBits);
    dcb.Parity = static_cast<BYTE>(settings.parity);
    dcb.StopBits = static_cast<BYTE>(settings.stopBits);
    dcb.fBinary = settings.binary ? TRUE : FALSE;
    dcb.fOutxCtsFlow = settings.ctsOutputFlow ? TRUE : FALSE;
    dcb.fOutxDsrFlow = settings.dsrOutputFlow ? TRUE : FALSE;
    dcb.fDtrControl = settings.dtrEnabled ? DTR_CONTROL_ENABLE : DTR_CONTROL_DISABLE;
    dcb.fOutX = settings.xonXoffOutput ? TRUE : FALSE;
    dcb.fInX = settings.xonXoffInput ? TRUE : FALSE;
    dcb.fRtsControl = settings.rtsEnabled ? RTS_CONTROL_ENABLE : RTS_CONTROL_DISABLE;
    if (!::SetCommState(handle_, &dcb)) return false;
    baudRate_ = settings.baudRate;
    return true;
}

bool Win32SerialDevice::SetTimeouts(const SerialTimeouts& timeouts) {
    if (handle_ == nullptr) return false;
    COMMTIMEOUTS record{timeouts.readInterval, timeouts.readMultiplier, timeouts.readConstant,
                        timeouts.writeMultiplier, timeouts.writeConstant};
    if (!::SetCommTimeouts(handle_, &record)) return false;
    timeouts_ = timeouts;
    return true;
}

bool Win32SerialDevice::SetBuffers(int inputSize, int outputSize) {
    if (handle_ == nullptr || inputSize <= 0 || outputSize <= 0) return false;
    return ::SetupComm(handle_, static_cast<DWORD>(inputSize), static_cast<DWORD>(outputSize)) != 0;
}

bool Win32SerialDevice::PurgeInput() {
    return handle_ != nullptr && ::PurgeComm(handle_, PURGE_RXCLEAR | PURGE_RXABORT) != 0;
}

int Win32SerialDevice::Write(const std::uint8_t* data, int count) {
    if (handle_ == nullptr || count <= 0) return 0;
    const auto started = std::chrono::steady_clock::now();
    DWORD written = 0;
    if (!::WriteFile(handle_, data, static_cast<DWORD>(count), &written, nullptr)) NoteError();
    WaitForLineTime(started, static_cast<int>(written));
    return static_cast<int>(written);
}

void Win32SerialDevice::WaitForLineTime(std::chrono::steady_clock::time_point started,
                                        int bytes) const {
    // A write is over when its bytes have left the line. A UART's driver returns about then; a
    // USB adapter that buffers on its own (or Wine's pseudo-terminal) reports "sent" at once, and
    // the next query would then sit behind the backlog at the receiver and time out. Never
    // longer than the write time-out.
    if (baudRate_ == 0 || bytes <= 0) return;
    const auto lineTime = std::chrono::microseconds(10LL * bytes * 1000000 / baudRate_);
    const auto limit = std::chrono::milliseconds(
        static_cast<long long>(timeouts_.writeMultiplier) * bytes + timeouts_.writeConstant);
    const auto wait = std::min<std::chrono::steady_clock::duration>(lineTime, limit);
    std::this_thread::sleep_until(started + wait);
}

int Win32SerialDevice::Read(std::uint8_t* data, int count) {
    if (handle_ == nullptr || count <= 0) return 0;
    DWORD read = 0;
    if (!::ReadFile(handle_, data, static_cast<DWORD>(count), &read, nullptr)) NoteError();
    return static_cast<int>(read);
}

void Win32SerialDevice::NoteError() {
    const DWORD error = ::GetLastError();
    if (error == ERROR_DEVICE_REMOVED || error == ERROR_BAD_COMMAND ||
        error == ERROR_ACCESS_DENIED || error == ERROR_INVALID_HANDLE ||
        error == ERROR_GEN_FAILURE) {
        gone_ = true;
    }
}
