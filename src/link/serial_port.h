#pragma once

#include "link/com_port_map.h"
#include "link/serial_device.h"

// The one open COM port through which the receiver is driven. Every operation returns a small
// status code and shows nothing; the caller decides.
class CSerialPort {
public:
    // Neither argument is owned; both must outlive the port.
    CSerialPort(SerialDevice& device, const ComPortMap& ports);
    ~CSerialPort();
    CSerialPort(const CSerialPort&) = delete;
    CSerialPort& operator=(const CSerialPort&) = delete;

    // 0 opened; 1 already open; 2 port outside 1..4; 3 the device failed to open.
    int Open(int port);
    // Always 0.
    int Close();
    // 0 applied; 1 not open; 2 data bits outside 5..8, parity outside 0..4 or stop bits outside
    // 0..2; 3 reading the current settings failed; 4 the new settings were refused.
    int SetLine(int baudRate, int dataBits, int parity, int stopBits);
    // Times in ms. 0 applied; 1 not open; 2 refused.
    int SetTimeouts(unsigned readInterval, unsigned readMultiplier, unsigned readConstant,
                    unsigned writeMultiplier, unsigned writeConstant);
    // Sizes in bytes. 0 applied; 1 not open; 2 a size is 0 or negative; 3 refused.
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
