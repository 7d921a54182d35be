#include "pty_device.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <termios.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>

namespace {

std::string Reason(const char* step) {
    return std::string(step) + ": " + std::strerror(errno);
}

struct BaudName {
    speed_t speed;
    int baud;
};

const BaudName kBauds[] = {
    {B50, 50},     {B75, 75},     {B110, 110},   {B134, 134},     {B150, 150},
    {B200, 200},   {B300, 300},   {B600, 600},   {B1200, 1200},   {B1800, 1800},
    {B2400, 2400}, {B4800, 4800}, {B9600, 9600}, {B19200, 19200}, {B38400, 38400},
};

int BaudOf(speed_t speed) {
    for (const BaudName& name : kBauds) {
        if (name.speed == speed) return name.baud;
    }
    return -1;
}

char ParityLetter(tcflag_t cflag) {
    if (!(cflag & PARENB)) return 'N';
    return (cflag & PARODD) ? 'O' : 'E';
}

int DataBits(tcflag_t cflag) {
    switch (cflag & CSIZE) {
        case CS5:
            return 5;
        case CS6:
            return 6;
        case CS7:
            return 7;
        default:
            return 8;
    }
}

// One non-blocking transfer, retried when a signal interrupts it: bytes moved, 0 when the
// terminal is not ready, -1 on an error.
template <class Step>
int NonBlocking(Step step) {
    for (;;) {
        const ssize_t moved = step();
        if (moved >= 0) return static_cast<int>(moved);
        if (errno == EINTR) continue;
        if (errno == EAGAIN || errno == EWOULDBLOCK) return 0;
        return -1;
    }
}

}  // namespace

PtyDevice::~PtyDevice() {
    Close();
}

bool PtyDevice::Open(std::string& error) {
    // O_NOCTTY: the simulator must not make the terminal its controlling one.
    master_ = posix_openpt(O_RDWR | O_NOCTTY);
    if (master_ < 0) {
        error = Reason("posix_openpt");
        return false;
    }
    if (grantpt(master_) != 0 || unlockpt(master_) != 0) {
        error = Reason("grantpt/unlockpt");
        Close();
        return false;
    }
    const char* name = ptsname(master_);
    if (name == nullptr) {
        error = Reason("ptsname");
        Close();
        return false;
    }
    devicePath_ = name;
    // Held open for the simulator's whole life; see the class comment.
    slave_ = ::open(devicePath_.c_str(), O_RDWR | O_NOCTTY | O_CLOEXEC);
    if (slave_ < 0) {
        error = Reason("open slave");
        Close();
        return false;
    }
    // Raw from the start, so CR is never turned into NL and nothing is echoed before the program
    // sets its own line settings.
    termios settings{};
    if (tcgetattr(slave_, &settings) != 0) {
        error = Reason("tcgetattr");
        Close();
        return false;
    }
    cfmakeraw(&settings);
    cfsetispeed(&settings, B1200);
    cfsetospeed(&settings, B1200);
    if (tcsetattr(slave_, TCSANOW, &settings) != 0) {
        error = Reason("tcsetattr");
        Close();
        return false;
    }
    const int flags = fcntl(master_, F_GETFL);
    if (flags < 0 || fcntl(master_, F_SETFL, flags | O_NONBLOCK) != 0 ||
        fcntl(master_, F_SETFD, FD_CLOEXEC) != 0) {
        error = Reason("fcntl");
        Close();
        return false;
    }
    return true;
}

bool PtyDevice::CreateLink(const std::string& linkPath, std::string& error) {
    struct stat existing {};
    if (::lstat(linkPath.c_str(), &existing) == 0) {
        // A stale link from an earlier run is ours to replace; anything else is not.
        if (!S_ISLNK(existing.st_mode)) {
            error = linkPath + " exists and is not a symbolic link";
            return false;
        }
        ::unlink(linkPath.c_str());
    }
    if (::symlink(devicePath_.c_str(), linkPath.c_str()) != 0) {
        error = Reason(("symlink " + linkPath).c_str());
        return false;
    }
    linkPath_ = linkPath;
    return true;
}

void PtyDevice::Close() {
    if (!linkPath_.empty()) {
        ::unlink(linkPath_.c_str());
        linkPath_.clear();
    }
    if (slave_ >= 0) ::close(slave_);
    if (master_ >= 0) ::close(master_);
    slave_ = -1;
    master_ = -1;
}

int PtyDevice::Read(std::uint8_t* data, int capacity) {
    return NonBlocking([&] { return ::read(master_, data, static_cast<std::size_t>(capacity)); });
}

int PtyDevice::Write(const std::uint8_t* data, int count) {
    return NonBlocking([&] { return ::write(master_, data, static_cast<std::size_t>(count)); });
}

std::string PtyDevice::LineSettings() const {
    termios settings{};
    if (slave_ < 0 || tcgetattr(slave_, &settings) != 0) return "unknown";
    const int baud = BaudOf(cfgetospeed(&settings));
    std::string text = baud > 0 ? std::to_string(baud) : "unusual";
    text += " ";
    text += std::to_string(DataBits(settings.c_cflag));
    text += ParityLetter(settings.c_cflag);
    text += (settings.c_cflag & CSTOPB) ? "2" : "1";
#ifdef CRTSCTS
    if (settings.c_cflag & CRTSCTS) text += " rts/cts";
#endif
    if (settings.c_iflag & (IXON | IXOFF)) text += " xon/xoff";
    if (settings.c_lflag & ICANON) text += " canonical";
    if (settings.c_lflag & ECHO) text += " echo";
    if (settings.c_iflag & (ICRNL | INLCR | IGNCR)) text += " input-cr-translation";
    if (settings.c_oflag & OPOST) text += " output-processing";
    return text;
}
