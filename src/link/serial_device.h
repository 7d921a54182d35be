#pragma once

#include <cstdint>
#include <string>

// Line settings as the receiver link sees them (the host's device control block, reduced to what
// the program sets). Fields the program does not name stay as the device reported them.
struct SerialLineSettings {
    std::uint32_t baudRate = 0;
    int dataBits = 8;
    int parity = 0;    // 0 none, 1 odd, 2 even, 3 mark, 4 space
    int stopBits = 0;  // 0 one, 1 one and a half, 2 two
    bool binary = true;
    bool ctsOutputFlow = false;
    bool dsrOutputFlow = false;
    bool dtrEnabled = false;  // DTR control: false = disabled
    bool xonXoffOutput = false;
    bool xonXoffInput = false;
    bool rtsEnabled = false;  // RTS control: false = disabled
};

// Total time-outs in ms: a transfer of n bytes gives up after multiplier * n + constant.
struct SerialTimeouts {
    std::uint32_t readInterval = 0;
    std::uint32_t readMultiplier = 0;
    std::uint32_t readConstant = 0;
    std::uint32_t writeMultiplier = 0;
    std::uint32_t writeConstant = 0;
};

enum class SerialOpenError { None, NoSuchDevice, Busy, PermissionDenied, Other };

// The host's serial facility, synchronous. One object drives one device at a time.
class SerialDevice {
  public:
    virtual ~SerialDevice() = default;

    // Opens the device exclusively for reading and writing; false when it cannot be had.
    virtual bool Open(const std::string& path) = 0;
    // Why the last Open failed, for messages a user can act on.
    virtual SerialOpenError LastOpenError() const = 0;
    virtual void Close() = 0;

    virtual bool GetLine(SerialLineSettings& settings) = 0;
    virtual bool SetLine(const SerialLineSettings& settings) = 0;
    virtual bool SetTimeouts(const SerialTimeouts& timeouts) = 0;
    // Driver buffer sizes in bytes, both > 0.
    virtual bool SetBuffers(int inputSize, int outputSize) = 0;
    // Discards bytes received but not yet read.
    virtual bool PurgeInput() = 0;

    // Writes count bytes; returns how many left the port within the write time-out.
    virtual int Write(const std::uint8_t* data, int count) = 0;
    // Reads up to count bytes within the read time-out; returns how many arrived.
    virtual int Read(std::uint8_t* data, int count) = 0;

    // True once a transfer failed because the device itself is gone (adapter pulled).
    virtual bool DeviceGone() const = 0;
};
