#include "platform/posix/termios_line.h"

#include <cstdint>

namespace {

struct BaudRate {
    std::uint32_t bitsPerSecond;
    speed_t speed;
};

constexpr BaudRate kBaudRates[] = {
    {50, B50},         {75, B75},         {110, B110},       {134, B134},     {150, B150},
    {200, B200},       {300, B300},       {600, B600},       {1200, B1200},   {1800, B1800},
    {2400, B2400},     {4800, B4800},     {9600, B9600},     {19200, B19200}, {38400, B38400},
    {57600, B57600},   {115200, B115200}, {230400, B230400},
#ifdef B460800
    {460800, B460800},
#endif
#ifdef B921600
    {921600, B921600},
#endif
};

bool SpeedOf(std::uint32_t bitsPerSecond, speed_t& speed) {
    for (const BaudRate& rate : kBaudRates) {
        if (rate.bitsPerSecond == bitsPerSecond) {
            speed = rate.speed;
            return true;
        }
    }
    return false;
}

std::uint32_t BitsPerSecondOf(speed_t speed) {
    for (const BaudRate& rate : kBaudRates) {
        if (rate.speed == speed) return rate.bitsPerSecond;
    }
    return 0;
}

constexpr tcflag_t kSizeFlags[] = {CS5, CS6, CS7, CS8};

#ifdef CMSPAR
constexpr tcflag_t kStickParity = CMSPAR;
#else
constexpr tcflag_t kStickParity = 0;  // mark and space cannot be expressed
#endif

// Parity codes 0 none, 1 odd, 2 even, 3 mark, 4 space.
bool ParityFlags(int parity, tcflag_t& flags) {
    switch (parity) {
        case 0:
            flags = 0;
            return true;
        case 1:
            flags = PARENB | PARODD;
            return true;
        case 2:
            flags = PARENB;
            return true;
        case 3:
            flags = PARENB | PARODD | kStickParity;
            return kStickParity != 0;
        case 4:
            flags = PARENB | kStickParity;
            return kStickParity != 0;
        default:
            return false;
    }
}

int ParityOf(tcflag_t cflag) {
    if ((cflag & PARENB) == 0) return 0;
    const bool odd = (cflag & PARODD) != 0;
    if (kStickParity != 0 && (cflag & kStickParity) != 0) return odd ? 3 : 4;
    return odd ? 1 : 2;
}

// Codes 0 one, 1 one and a half, 2 two. The UART sends 1.5 for "two" at 5 data bits, so each of
// the longer codes is valid at only one word size, as on Windows.
bool StopFlags(int stopBits, int dataBits, tcflag_t& flags) {
    switch (stopBits) {
        case 0:
            flags = 0;
            return true;
        case 1:
            flags = CSTOPB;
            return dataBits == 5;
        case 2:
            flags = CSTOPB;
            return dataBits != 5;
        default:
            return false;
    }
}

constexpr tcflag_t kRawInputOff = BRKINT | PARMRK | ISTRIP | INLCR | IGNCR | ICRNL;
constexpr tcflag_t kRawLocalOff = ICANON | ECHO | ECHOE | ECHOK | ECHONL | ISIG | IEXTEN;

}  // namespace

void MakeRaw(termios& attributes) {
    attributes.c_iflag &= ~kRawInputOff;
    attributes.c_oflag &= ~static_cast<tcflag_t>(OPOST);
    attributes.c_lflag &= ~kRawLocalOff;
    attributes.c_cflag |= CREAD | CLOCAL;
    // Reads never block in the driver; the device waits with poll and its own time-outs.
    attributes.c_cc[VMIN] = 0;
    attributes.c_cc[VTIME] = 0;
}

bool IsRaw(const termios& attributes) {
    return (attributes.c_iflag & kRawInputOff) == 0 && (attributes.c_oflag & OPOST) == 0 &&
           (attributes.c_lflag & kRawLocalOff) == 0 && (attributes.c_cflag & CREAD) != 0;
}

bool ApplyLineSettings(const SerialLineSettings& settings, termios& attributes) {
    speed_t speed = B0;
    tcflag_t parity = 0;
    tcflag_t stop = 0;
    if (!settings.binary || settings.dsrOutputFlow) return false;
    if (!SpeedOf(settings.baudRate, speed)) return false;
    if (settings.dataBits < 5 || settings.dataBits > 8) return false;
    if (!ParityFlags(settings.parity, parity)) return false;
    if (!StopFlags(settings.stopBits, settings.dataBits, stop)) return false;

    termios result = attributes;
    MakeRaw(result);
    if (cfsetispeed(&result, speed) != 0 || cfsetospeed(&result, speed) != 0) return false;
    result.c_cflag &=
        ~static_cast<tcflag_t>(CSIZE | PARENB | PARODD | kStickParity | CSTOPB | CRTSCTS);
    result.c_cflag |= kSizeFlags[settings.dataBits - 5] | parity | stop;
    if (settings.ctsOutputFlow) result.c_cflag |= CRTSCTS;
    result.c_iflag &= ~static_cast<tcflag_t>(IXON | IXOFF);
    if (settings.xonXoffOutput) result.c_iflag |= IXON;
    if (settings.xonXoffInput) result.c_iflag |= IXOFF;
    attributes = result;
    return true;
}

SerialLineSettings LineSettingsOf(const termios& attributes) {
    SerialLineSettings settings;
    settings.baudRate = BitsPerSecondOf(cfgetospeed(&attributes));
    const tcflag_t size = attributes.c_cflag & CSIZE;
    settings.dataBits = 8;
    for (int bits = 5; bits <= 8; ++bits) {
        if (kSizeFlags[bits - 5] == size) settings.dataBits = bits;
    }
    settings.parity = ParityOf(attributes.c_cflag);
    settings.stopBits = 0;
    if ((attributes.c_cflag & CSTOPB) != 0) settings.stopBits = settings.dataBits == 5 ? 1 : 2;
    settings.binary = IsRaw(attributes);
    settings.ctsOutputFlow = (attributes.c_cflag & CRTSCTS) != 0;
    settings.dsrOutputFlow = false;
    settings.xonXoffOutput = (attributes.c_iflag & IXON) != 0;
    settings.xonXoffInput = (attributes.c_iflag & IXOFF) != 0;
    settings.dtrEnabled = false;
    settings.rtsEnabled = false;
    return settings;
}
