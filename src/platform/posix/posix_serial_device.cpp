#include "platform/posix/posix_serial_device.h"

#include <fcntl.h>
#include <poll.h>
#include <sys/file.h>
#include <sys/ioctl.h>
#include <termios.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <climits>

#include "platform/posix/deadline_io.h"
#include "platform/posix/termios_line.h"
#include "platform/posix/transfer_loop.h"

namespace {

// At 1200 baud a byte takes 8.3 ms on the line; checking the output queue this often costs
// nothing and reports a drained queue promptly.
constexpr int kDrainCheckMs = 2;

SerialOpenError OpenErrorOf(int errorNumber) {
    switch (errorNumber) {
        case ENOENT:
        case ENOTDIR:
        case ENXIO:
        case ENODEV:
        case EIO:  // a serial device node without a UART behind it
            return SerialOpenError::NoSuchDevice;
        case EACCES:
        case EPERM:
            return SerialOpenError::PermissionDenied;
        case EBUSY:
        case EWOULDBLOCK:
            return SerialOpenError::Busy;
        default:
            return SerialOpenError::Other;
    }
}

int TotalTimeoutMs(std::uint32_t multiplierMs, std::uint32_t constantMs, int count) {
    const auto total = std::uint64_t{multiplierMs} * static_cast<std::uint64_t>(count) + constantMs;
    return static_cast<int>(std::min<std::uint64_t>(total, INT_MAX));
}

}  // namespace

PosixSerialDevice::~PosixSerialDevice() {
    Close();
}

bool PosixSerialDevice::Open(const std::string& path) {
    if (fd_ >= 0) {
        lastOpenError_ = SerialOpenError::Other;  // one device at a time
        return false;
    }
    // O_NOCTTY: the receiver's line must never become this process's controlling terminal.
    // O_CLOEXEC: a program started later must not inherit the port.
    // O_NONBLOCK: open returns at once even when a modem line waits for carrier, and transfers
    // wait in poll, where the time-outs are kept.
    const int fd = ::open(path.c_str(), O_RDWR | O_NOCTTY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0) {
        lastOpenError_ = OpenErrorOf(errno);
        return false;
    }
    auto fail = [&](SerialOpenError error) {
        ::close(fd);
        lastOpenError_ = error;
        return false;
    };
    termios attributes{};
    if (::tcgetattr(fd, &attributes) != 0) return fail(SerialOpenError::Other);  // not a tty
    // TIOCEXCL: the kernel refuses further opens of the tty by anyone but root.
    if (::ioctl(fd, TIOCEXCL) != 0) return fail(SerialOpenError::Other);
    // flock: root is refused too, by every program that honours the lock on serial devices.
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0) return fail(OpenErrorOf(errno));
    MakeRaw(attributes);
    if (::tcsetattr(fd, TCSANOW, &attributes) != 0) return fail(SerialOpenError::Other);
    fd_ = fd;
    gone_ = false;
    timeouts_ = {};
    lastOpenError_ = SerialOpenError::None;
    return true;
}

void PosixSerialDevice::Close() {
    if (fd_ < 0) return;
    // The exclusive flag belongs to the tty, not to this descriptor, and can outlive the close.
    ::ioctl(fd_, TIOCNXCL);
    ::close(fd_);
    fd_ = -1;
}

bool PosixSerialDevice::GetLine(SerialLineSettings& settings) {
    termios attributes{};
    if (fd_ < 0 || ::tcgetattr(fd_, &attributes) != 0) return false;
    settings = LineSettingsOf(attributes);
    int lines = 0;
    if (::ioctl(fd_, TIOCMGET, &lines) == 0) {
        settings.dtrEnabled = (lines & TIOCM_DTR) != 0;
        settings.rtsEnabled = (lines & TIOCM_RTS) != 0;
    }
    return true;
}

bool PosixSerialDevice::SetLine(const SerialLineSettings& settings) {
    termios attributes{};
    if (fd_ < 0 || ::tcgetattr(fd_, &attributes) != 0) return false;
    if (!ApplyLineSettings(settings, attributes)) return false;
    if (::tcsetattr(fd_, TCSANOW, &attributes) != 0) return false;
    // tcsetattr succeeds when any part was taken; a driver that ignored the framing would garble
    // every command, so compare what the device now holds.
    termios applied{};
    if (::tcgetattr(fd_, &applied) != 0) return false;
    const SerialLineSettings held = LineSettingsOf(applied);
    if (held.baudRate != settings.baudRate || held.dataBits != settings.dataBits ||
        held.parity != settings.parity || held.stopBits != settings.stopBits) {
        return false;
    }
    baudRate_ = held.baudRate;
    SetModemLine(TIOCM_DTR, settings.dtrEnabled);
    SetModemLine(TIOCM_RTS, settings.rtsEnabled);
    return true;
}

void PosixSerialDevice::SetModemLine(int line, bool on) {
    // Failure means the device has no modem lines (a pseudo-terminal); there is nothing to set.
    ::ioctl(fd_, on ? TIOCMBIS : TIOCMBIC, &line);
}

bool PosixSerialDevice::SetTimeouts(const SerialTimeouts& timeouts) {
    if (fd_ < 0) return false;
    timeouts_ = timeouts;
    return true;
}

bool PosixSerialDevice::SetBuffers(int inputSize, int outputSize) {
    return fd_ >= 0 && inputSize > 0 && outputSize > 0;
}

bool PosixSerialDevice::PurgeInput() {
    if (fd_ < 0) return false;
    if (::tcflush(fd_, TCIFLUSH) == 0) return true;
    NoteError(errno);
    return false;
}

int PosixSerialDevice::Write(const std::uint8_t* data, int count) {
    if (fd_ < 0 || count <= 0) return 0;
    const Deadline deadline(
        TotalTimeoutMs(timeouts_.writeMultiplier, timeouts_.writeConstant, count));
    const auto started = std::chrono::steady_clock::now();
    const int written = Transfer(POLLOUT, count, deadline, [&](int done) {
        return ::write(fd_, data + done, static_cast<std::size_t>(count - done));
    });
    const int sent = written - UnsentAfterDraining(written, deadline);
    WaitForLineTime(started, sent, deadline);
    return sent;
}

void PosixSerialDevice::WaitForLineTime(std::chrono::steady_clock::time_point started, int bytes,
                                        const Deadline& deadline) {
    // A write is over when its bytes have left the line. A real UART's drain already took that
    // long; a pseudo-terminal or a USB adapter that buffers on its own reports "sent" at once, and
    // then the next query would sit behind the backlog at the receiver and time out.
    if (baudRate_ == 0 || bytes <= 0) return;
    const auto lineTime = std::chrono::microseconds(10LL * bytes * 1000000 / baudRate_);
    while (!deadline.Passed()) {
        const auto elapsed = std::chrono::steady_clock::now() - started;
        if (elapsed >= lineTime) return;
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(lineTime - elapsed);
        ::poll(nullptr, 0,
               static_cast<int>(std::min<long long>(left.count() + 1, deadline.RemainingMs())));
    }
}

int PosixSerialDevice::Read(std::uint8_t* data, int count) {
    if (fd_ < 0 || count <= 0) return 0;
    const Deadline deadline(
        TotalTimeoutMs(timeouts_.readMultiplier, timeouts_.readConstant, count));
    WaitForReplyLineTime(count, deadline);
    return Transfer(POLLIN, count, deadline, [&](int done) {
        return ::read(fd_, data + done, static_cast<std::size_t>(count - done));
    });
}

void PosixSerialDevice::WaitForReplyLineTime(int count, const Deadline& deadline) {
    // The bytes still missing cannot cross the line faster than the baud rate allows: waiting
    // that long first takes a reply in one read instead of one wake-up per byte, five times a
    // second while the meter polls.
    int arrived = 0;
    if (baudRate_ == 0 || ::ioctl(fd_, FIONREAD, &arrived) != 0 || arrived >= count) return;
    const long long lineMs = 10LL * (count - arrived) * 1000 / baudRate_;
    ::poll(nullptr, 0, static_cast<int>(std::min<long long>(lineMs, deadline.RemainingMs())));
}

int PosixSerialDevice::Transfer(short events, int count, const Deadline& deadline,
                                const std::function<ssize_t(int done)>& move) {
    return TransferBefore(count,
                          TransferSteps{move,
                                        // A hung-up line moves nothing for ever: no waiting for it.
                                        [&] { return !gone_ && WaitReady(events, deadline); },
                                        [&](int errorNumber) { NoteError(errorNumber); }});
}

bool PosixSerialDevice::WaitReady(short events, const Deadline& deadline) {
    while (!deadline.Passed()) {
        pollfd entry{fd_, events, 0};
        const int ready = ::poll(&entry, 1, deadline.RemainingMs());
        if (ready < 0) {
            if (errno == EINTR) continue;
            NoteError(errno);
            return false;
        }
        if (ready == 0) continue;  // the deadline check decides
        // A hang-up can come with bytes still to read: take them, the next pass stops.
        if ((entry.revents & (POLLHUP | POLLERR | POLLNVAL)) != 0) gone_ = true;
        return (entry.revents & events) != 0;
    }
    return false;
}

int PosixSerialDevice::UnsentAfterDraining(int written, const Deadline& deadline) {
    while (true) {
        int queued = 0;
        // Drivers without an output queue (a pseudo-terminal hands bytes straight to the other
        // side) report nothing or fail: then the bytes have left.
        if (::ioctl(fd_, TIOCOUTQ, &queued) != 0 || queued <= 0) {
#ifdef TIOCSERGETLSR
            // The queue can be empty while the UART's FIFO still holds up to 16 bytes, over
            // 100 ms at 1200 baud; serial drivers that know tell whether the transmitter is empty.
            int lineStatus = 0;
            if (::ioctl(fd_, TIOCSERGETLSR, &lineStatus) != 0 || (lineStatus & TIOCSER_TEMT) != 0) {
                return 0;
            }
            queued = 1;
#else
            return 0;
#endif
        }
        if (gone_ || deadline.Passed()) return std::min(queued, written);
        ::poll(nullptr, 0, std::min(kDrainCheckMs, deadline.RemainingMs()));
    }
}

void PosixSerialDevice::NoteError(int errorNumber) {
    if (errorNumber == EIO || errorNumber == ENXIO || errorNumber == ENODEV ||
        errorNumber == EBADF) {
        gone_ = true;
    }
}
