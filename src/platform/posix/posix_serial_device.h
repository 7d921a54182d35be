#pragma once

#include <sys/types.h>

#include <chrono>
#include <cstdint>
#include <functional>
#include <string>

#include "link/serial_device.h"

class Deadline;

// A serial device through termios: exclusive, raw from the moment it opens, and with the
// Windows-style total time-outs the receiver protocol relies on (a transfer of n bytes gives up
// after multiplier * n + constant ms). The read interval time-out is not used; the program sets 0.
class PosixSerialDevice : public SerialDevice {
  public:
    PosixSerialDevice() = default;
    ~PosixSerialDevice() override;
    PosixSerialDevice(const PosixSerialDevice&) = delete;
    PosixSerialDevice& operator=(const PosixSerialDevice&) = delete;

    // Fails when another program holds the device (Busy), also when that program is root.
    bool Open(const std::string& path) override;
    SerialOpenError LastOpenError() const override { return lastOpenError_; }
    void Close() override;

    bool GetLine(SerialLineSettings& settings) override;
    // False also when the device did not keep the speed, word size, parity or stop bits asked
    // for. DTR and RTS are set where the device has them (a pseudo-terminal has none).
    bool SetLine(const SerialLineSettings& settings) override;
    bool SetTimeouts(const SerialTimeouts& timeouts) override;
    // The tty layer's buffers are fixed; positive sizes are accepted.
    bool SetBuffers(int inputSize, int outputSize) override;
    bool PurgeInput() override;

    // Counts only bytes that left the port: waits for the output queue to drain, within the
    // write time-out.
    int Write(const std::uint8_t* data, int count) override;
    int Read(std::uint8_t* data, int count) override;
    bool DeviceGone() const override { return gone_; }

  private:
    // Moves count bytes by repeated steps (a read or write at offset done) within the deadline;
    // returns how many moved, including what arrived just as the deadline passed.
    int Transfer(short events, int count, const Deadline& deadline,
                 const std::function<ssize_t(int done)>& step);
    // Waits until the device is ready for events; false at the deadline or when it is gone.
    bool WaitReady(short events, const Deadline& deadline);
    // Bytes of this write still in the output queue once it drained or the deadline passed.
    int UnsentAfterDraining(int written, const Deadline& deadline);
    // Marks the device gone when errorNumber says it went away.
    void NoteError(int errorNumber);
    // Holds a write back until its bytes would have crossed the line at the set baud rate.
    void WaitForLineTime(std::chrono::steady_clock::time_point started, int bytes,
                         const Deadline& deadline);
    // Before a read: waits as long as the bytes not yet arrived need on the line.
    void WaitForReplyLineTime(int count, const Deadline& deadline);
    void SetModemLine(int line, bool on);

    int fd_ = -1;
    SerialOpenError lastOpenError_ = SerialOpenError::None;
    SerialTimeouts timeouts_;
    bool gone_ = false;
    std::uint32_t baudRate_ = 0;  // as last set; 0 until then
};
