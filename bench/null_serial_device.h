#pragma once

#include <cstdint>
#include <string>

#include "link/serial_device.h"

// A serial device that takes every byte at once and answers nothing, so that a benchmark measures
// the program's own work per command and not a line or a recording fake. Counts the bytes written,
// which gives the line time the same commands would need on the real 1200-baud line.
class NullSerialDevice : public SerialDevice {
  public:
    bool Open(const std::string&) override { return true; }
    SerialOpenError LastOpenError() const override { return SerialOpenError::None; }
    void Close() override {}
    bool GetLine(SerialLineSettings&) override { return true; }
    bool SetLine(const SerialLineSettings&) override { return true; }
    bool SetTimeouts(const SerialTimeouts&) override { return true; }
    bool SetBuffers(int, int) override { return true; }
    bool PurgeInput() override { return true; }
    int Write(const std::uint8_t*, int count) override {
        bytesWritten += static_cast<std::uint64_t>(count);
        return count;
    }
    int Read(std::uint8_t*, int) override { return 0; }
    bool DeviceGone() const override { return false; }

    std::uint64_t bytesWritten = 0;
};
