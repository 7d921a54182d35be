#include "link/serial_port.h"

#include <cstdint>

CSerialPort::CSerialPort(SerialDevice& device, const ComPortMap& ports)
    : device_(device), ports_(ports) {}

CSerialPort::~CSerialPort() {
    Close();
}

int CSerialPort::Open(int port) {
    if (open_) return SerialOpenResult::kAlreadyOpen;
    if (port < 1 || port > ComPortMap::kPortCount) return SerialOpenResult::kPortOutOfRange;
    // Kept also when the open fails, so that the message can name the device.
    devicePath_ = ports_.PathOf(port);
    if (!device_.Open(devicePath_)) return SerialOpenResult::kDeviceFailed;
    open_ = true;
    return SerialOpenResult::kOpened;
}

int CSerialPort::Close() {
    if (open_) {
        device_.Close();
        open_ = false;
    }
    return SerialCloseResult::kClosed;
}

int CSerialPort::SetLine(int baudRate, int dataBits, int parity, int stopBits) {
    if (!open_) return SerialLineResult::kNotOpen;
    if (dataBits < 5 || dataBits > 8) return SerialLineResult::kInvalidSettings;
    SerialLineSettings line;
    if (!device_.GetLine(line)) return SerialLineResult::kReadFailed;
    // The receiver has no handshake lines: every kind of flow control goes off, the rest of the
    // device's settings stay as they were.
    line.baudRate = static_cast<std::uint32_t>(baudRate);
    line.binary = true;
    line.ctsOutputFlow = false;
    line.dsrOutputFlow = false;
    line.dtrEnabled = false;
    line.xonXoffOutput = false;
    line.xonXoffInput = false;
    line.rtsEnabled = false;
    line.dataBits = dataBits;
    if (parity < 0 || parity > 4) return SerialLineResult::kInvalidSettings;
    line.parity = parity;
    if (stopBits < 0 || stopBits > 2) return SerialLineResult::kInvalidSettings;
    line.stopBits = stopBits;
    return device_.SetLine(line) ? SerialLineResult::kApplied : SerialLineResult::kRefused;
}

int CSerialPort::SetTimeouts(unsigned readInterval, unsigned readMultiplier, unsigned readConstant,
                             unsigned writeMultiplier, unsigned writeConstant) {
    if (!open_) return SerialTimeoutsResult::kNotOpen;
    const SerialTimeouts timeouts{readInterval, readMultiplier, readConstant, writeMultiplier,
                                  writeConstant};
    return device_.SetTimeouts(timeouts) ? SerialTimeoutsResult::kApplied
                                         : SerialTimeoutsResult::kRefused;
}

int CSerialPort::SetBuffers(int inputSize, int outputSize) {
    if (!open_) return SerialBuffersResult::kNotOpen;
    if (inputSize <= 0 || outputSize <= 0) return SerialBuffersResult::kInvalidSize;
    return device_.SetBuffers(inputSize, outputSize) ? SerialBuffersResult::kApplied
                                                     : SerialBuffersResult::kRefused;
}
