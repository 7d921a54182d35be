#pragma once

#include <chrono>
#include <string>

#include "link/serial_device.h"

// A COM port through the Win32 communications API: opened exclusively, synchronous transfers,
// and the total time-outs the receiver protocol relies on, which are COMMTIMEOUTS exactly.
// A path without a leading "\\" is a port name ("COM1", "COM12"); "\\.\" is put before it so
// that ports above COM9 open too.
class Win32SerialDevice : public SerialDevice {
  public:
    Win32SerialDevice() = default;
    ~Win32SerialDevice() override;
    Win32SerialDevice(const Win32SerialDevice&) = delete;
    Win32SerialDevice& operator=(const Win32SerialDevice&) = delete;

    bool Open(const std::string& path) override;
    SerialOpenError LastOpenError() const override { return lastOpenError_; }
    void Close() override;

    bool GetLine(SerialLineSettings& settings) override;
    bool SetLine(const SerialLineSettings& settings) override;
    bool SetTimeouts(const SerialTimeouts& timeouts) override;
    bool SetBuffers(int inputSize, int outputSize) override;
    bool PurgeInput() override;

    int Write(const std::uint8_t* data, int count) override;
    int Read(std::uint8_t* data, int count) override;
    bool DeviceGone() const override { return gone_; }

  private:
    // Holds a write back until its bytes would have crossed the line at the set baud rate.
    void WaitForLineTime(std::chrono::steady_clock::time_point started, int bytes) const;
    // Marks the device gone when the last error says it went away (adapter pulled).
    void NoteError();

    void* handle_ = nullptr;  // a HANDLE; null while closed
    SerialOpenError lastOpenError_ = SerialOpenError::None;
    bool gone_ = false;
    std::uint32_t baudRate_ = 0;  // as last set; 0 until then
    SerialTimeouts timeouts_;
};
