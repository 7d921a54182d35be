#pragma once

#include "link/com_port_map.h"
#include "link/serial_device.h"

// What each CSerialPort operation returns, one set per operation; the numbers are fixed.
namespace SerialOpenResult {
inline constexpr int kOpened = 0;
inline constexpr int kAlreadyOpen = 1;
inline constexpr int kPortOutOfRange = 2;  // outside 1..4
inline constexpr int kDeviceFailed = 3;    // the device did not open
}  // namespace SerialOpenResult

namespace SerialCloseResult {
inline constexpr int kClosed = 0;  // the only result
}  // namespace SerialCloseResult

namespace SerialLineResult {
inline constexpr int kApplied = 0;
inline constexpr int kNotOpen = 1;
// Data bits outside 5..8, parity outside 0..4 or stop bits outside 0..2.
inline constexpr int kInvalidSettings = 2;
inline constexpr int kReadFailed = 3;  // reading the current settings failed
inline constexpr int kRefused = 4;     // the device refused the new settings
}  // namespace SerialLineResult

namespace SerialTimeoutsResult {
inline constexpr int kApplied = 0;
inline constexpr int kNotOpen = 1;
inline constexpr int kRefused = 2;
}  // namespace SerialTimeoutsResult

namespace SerialBuffersResult {
inline constexpr int kApplied = 0;
inline constexpr int kNotOpen = 1;
inline constexpr int kInvalidSize = 2;  // a size is 0 or negative
inline constexpr int kRefused = 3;
}  // namespace SerialBuffersResult

// The one open COM port through which the receiver is driven. Every operation returns a small
// status code and shows nothing; the caller decides.
class CSerialPort {
  public:
    // Neither argument is owned; both must outlive the port.
    CSerialPort(SerialDevice& device, const ComPortMap& ports);
    ~CSerialPort();
    CSerialPort(const CSerialPort&) = delete;
    CSerialPort& operator=(const CSerialPort&) = delete;

    // port 1..4. Returns a SerialOpenResult.
    int Open(int port);
    // Returns SerialCloseResult::kClosed.
    int Close();
    // Returns a SerialLineResult.
    int SetLine(int baudRate, int dataBits, int parity, int stopBits);
    // Times in ms. Returns a SerialTimeoutsResult.
    int SetTimeouts(unsigned readInterval, unsigned readMultiplier, unsigned readConstant,
                    unsigned writeMultiplier, unsigned writeConstant);
    // Sizes in bytes. Returns a SerialBuffersResult.
    int SetBuffers(int inputSize, int outputSize);

    bool IsOpen() const { return open_; }
    // True when the port is open but its device went away (a USB adapter pulled out).
    bool DeviceGone() const { return open_ && device_.DeviceGone(); }
    // The device path "COMn" was mapped to at the last Open, for messages.
    const std::string& DevicePath() const { return devicePath_; }

  protected:
    SerialDevice& Device() { return device_; }

  private:
    SerialDevice& device_;
    const ComPortMap& ports_;
    bool open_ = false;
    std::string devicePath_;
};
