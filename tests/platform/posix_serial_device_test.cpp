#include "platform/posix/posix_serial_device.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <poll.h>
#include <stdlib.h>
#include <termios.h>
#include <unistd.h>

#include <string>
#include <vector>

#include "support/row_name.h"
#include "support/temp_dir.h"

namespace {

using Bytes = std::vector<std::uint8_t>;

// The far end of the line: a pseudo-terminal master, whose slave the device opens.
class PseudoTerminal {
  public:
    PseudoTerminal() {
        master_ = ::posix_openpt(O_RDWR | O_NOCTTY | O_CLOEXEC);
        if (master_ >= 0 && ::grantpt(master_) == 0 && ::unlockpt(master_) == 0) {
            const char* name = ::ptsname(master_);
            if (name != nullptr) slavePath_ = name;
        }
    }
    ~PseudoTerminal() { CloseMaster(); }
    PseudoTerminal(const PseudoTerminal&) = delete;
    PseudoTerminal& operator=(const PseudoTerminal&) = delete;

    bool Ready() const { return !slavePath_.empty(); }
    const std::string& SlavePath() const { return slavePath_; }

    void Send(const Bytes& bytes) {
        ASSERT_EQ(::write(master_, bytes.data(), bytes.size()), static_cast<ssize_t>(bytes.size()));
    }

    // What the device wrote: up to count bytes, waiting at most waitMs for each.
    Bytes Receive(int count, int waitMs = 2000) {
        Bytes bytes;
        while (static_cast<int>(bytes.size()) < count) {
            pollfd entry{master_, POLLIN, 0};
            if (::poll(&entry, 1, waitMs) <= 0) break;
            std::uint8_t buffer[64];
            const ssize_t n = ::read(master_, buffer, sizeof buffer);
            if (n <= 0) break;
            bytes.insert(bytes.end(), buffer, buffer + n);
        }
        return bytes;
    }

    // The pseudo-terminal's attributes are the slave's, read through the master.
    termios Attributes() const {
        termios attributes{};
        EXPECT_EQ(::tcgetattr(master_, &attributes), 0);
        return attributes;
    }

    void CloseMaster() {
        if (master_ >= 0) ::close(master_);
        master_ = -1;
    }

  private:
    int master_ = -1;
    std::string slavePath_;
};

class PosixSerialDeviceTest : public testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(pty.Ready());
        ASSERT_TRUE(device.Open(pty.SlavePath()));
        // Short, so a silent line costs the tests little.
        ASSERT_TRUE(device.SetTimeouts({0, 10, 50, 10, 200}));
    }

    Bytes Read(int count) {
        Bytes bytes(static_cast<std::size_t>(count));
        bytes.resize(static_cast<std::size_t>(device.Read(bytes.data(), count)));
        return bytes;
    }

    PseudoTerminal pty;
    PosixSerialDevice device;
};

TEST_F(PosixSerialDeviceTest, SecondOpenerIsToldTheDeviceIsBusy) {
    PosixSerialDevice second;
    EXPECT_FALSE(second.Open(pty.SlavePath()));
    EXPECT_EQ(second.LastOpenError(), SerialOpenError::Busy);
    device.Close();
    EXPECT_TRUE(second.Open(pty.SlavePath()));
    EXPECT_EQ(second.LastOpenError(), SerialOpenError::None);
}

TEST_F(PosixSerialDeviceTest, OpenIsRefusedWhileOpen) {
    EXPECT_FALSE(device.Open(pty.SlavePath()));
    EXPECT_EQ(device.LastOpenError(), SerialOpenError::Other);
}

TEST(PosixSerialDeviceOpenTest, MissingDeviceAndNonTerminalsAreTold) {
    PosixSerialDevice device;
    EXPECT_FALSE(device.Open("/dev/zorivan-no-such-tty"));
    EXPECT_EQ(device.LastOpenError(), SerialOpenError::NoSuchDevice);
    EXPECT_FALSE(device.Open("/zorivan-no-such-directory/ttyS0"));
    EXPECT_EQ(device.LastOpenError(), SerialOpenError::NoSuchDevice);

    TempDir dir;
    ASSERT_TRUE(WriteWholeFile(dir.File("plain"), "not a terminal"));
    EXPECT_FALSE(device.Open(dir.File("plain")));
    EXPECT_EQ(device.LastOpenError(), SerialOpenError::Other);
    SerialLineSettings line;
    EXPECT_FALSE(device.GetLine(line));  // nothing stays open after a refusal
}

TEST_F(PosixSerialDeviceTest, LineIsRawFromTheStart) {
    const termios attributes = pty.Attributes();
    EXPECT_EQ(attributes.c_lflag & (ICANON | ECHO | ISIG), 0u);
    EXPECT_EQ(attributes.c_oflag & OPOST, 0u);
    SerialLineSettings line;
    ASSERT_TRUE(device.GetLine(line));
    EXPECT_TRUE(line.binary);
}

struct LineRow {
    std::string name;
    SerialLineSettings settings;
};

class PosixLineTest : public PosixSerialDeviceTest, public testing::WithParamInterface<LineRow> {};

// A pseudo-terminal keeps speed, stop bits and flow control; it always frames 8 bits without
// parity, so other framings are the mapping's own test.
TEST_P(PosixLineTest, SettingsReachTheTerminal) {
    const SerialLineSettings& wanted = GetParam().settings;
    ASSERT_TRUE(device.SetLine(wanted));
    const termios attributes = pty.Attributes();
    speed_t speed = B0;
    for (const auto& [bitsPerSecond, code] :
         {std::pair{1200u, B1200}, std::pair{9600u, B9600}, std::pair{115200u, B115200}}) {
        if (bitsPerSecond == wanted.baudRate) speed = code;
    }
    EXPECT_EQ(cfgetospeed(&attributes), speed);
    EXPECT_EQ((attributes.c_cflag & CSTOPB) != 0, wanted.stopBits == 2);
    EXPECT_EQ((attributes.c_cflag & CRTSCTS) != 0, wanted.ctsOutputFlow);
    EXPECT_EQ((attributes.c_iflag & IXON) != 0, wanted.xonXoffOutput);
    EXPECT_EQ((attributes.c_iflag & IXOFF) != 0, wanted.xonXoffInput);

    SerialLineSettings held;
    ASSERT_TRUE(device.GetLine(held));
    EXPECT_EQ(held.baudRate, wanted.baudRate);
    EXPECT_EQ(held.dataBits, 8);
    EXPECT_EQ(held.stopBits, wanted.stopBits);
    EXPECT_EQ(held.ctsOutputFlow, wanted.ctsOutputFlow);
}

SerialLineSettings Line(std::uint32_t baudRate, int stopBits, bool cts, bool xonOut, bool xonIn) {
    SerialLineSettings settings;
    settings.baudRate = baudRate;
    settings.stopBits = stopBits;
    settings.ctsOutputFlow = cts;
    settings.xonXoffOutput = xonOut;
    settings.xonXoffInput = xonIn;
    return settings;
}

INSTANTIATE_TEST_SUITE_P(Lines, PosixLineTest,
                         testing::Values(LineRow{"Receiver", Line(1200, 0, false, false, false)},
                                         LineRow{"TwoStopBits", Line(9600, 2, false, false, false)},
                                         LineRow{"CtsFlow", Line(115200, 0, true, false, false)},
                                         LineRow{"XonXoff", Line(1200, 0, false, true, true)}),
                         RowName());

TEST_F(PosixSerialDeviceTest, UnknownBaudRateIsRefused) {
    SerialLineSettings line;
    line.baudRate = 1234;
    EXPECT_FALSE(device.SetLine(line));
}

TEST_F(PosixSerialDeviceTest, WriteDeliversEveryByteUntranslated) {
    ASSERT_TRUE(device.SetLine(Line(1200, 0, false, false, false)));
    // A tuning command with 0x00, 0x0D and 0x0A inside.
    const Bytes command{'N', 0x00, 0x0D, 0x0A, 0xFF, 0x11, 0x13, 0x0D};
    EXPECT_EQ(device.Write(command.data(), static_cast<int>(command.size())), 8);
    EXPECT_EQ(pty.Receive(8), command);
    EXPECT_FALSE(device.DeviceGone());
}

TEST_F(PosixSerialDeviceTest, SilentLineReadsNothing) {
    EXPECT_EQ(Read(4).size(), 0u);
    EXPECT_FALSE(device.DeviceGone());
}

TEST_F(PosixSerialDeviceTest, ReadReturnsWhatArrivedWithinTheTime) {
    pty.Send({'X', 0x0D});
    EXPECT_EQ(Read(4), (Bytes{'X', 0x0D}));
    pty.Send({'X', 0x00, 0x0D, 0x0D, 'Z'});
    EXPECT_EQ(Read(4), (Bytes{'X', 0x00, 0x0D, 0x0D}));
    EXPECT_EQ(Read(4), (Bytes{'Z'}));
}

TEST_F(PosixSerialDeviceTest, PurgeDiscardsPendingInput) {
    pty.Send({'S', 'T', 'A', 'L', 'E'});
    ASSERT_EQ(Read(1), (Bytes{'S'}));  // the rest has arrived too
    EXPECT_TRUE(device.PurgeInput());
    pty.Send({'N', 'E', 'W'});
    EXPECT_EQ(Read(4), (Bytes{'N', 'E', 'W'}));
}

TEST_F(PosixSerialDeviceTest, BuffersOfPositiveSizeAreAccepted) {
    EXPECT_TRUE(device.SetBuffers(1024, 1024));
    EXPECT_FALSE(device.SetBuffers(0, 1024));
    EXPECT_FALSE(device.SetBuffers(1024, -1));
}

TEST_F(PosixSerialDeviceTest, ReadNoticesTheFarEndGoing) {
    pty.CloseMaster();
    EXPECT_EQ(Read(4).size(), 0u);
    EXPECT_TRUE(device.DeviceGone());
}

TEST_F(PosixSerialDeviceTest, WriteNoticesTheFarEndGoing) {
    pty.CloseMaster();
    const Bytes query{'X', 0x0D};
    EXPECT_LT(device.Write(query.data(), 2), 2);
    EXPECT_TRUE(device.DeviceGone());
}

TEST_F(PosixSerialDeviceTest, ClosedDeviceDoesNothing) {
    device.Close();
    std::uint8_t byte = 'X';
    SerialLineSettings line;
    EXPECT_EQ(device.Write(&byte, 1), 0);
    EXPECT_EQ(device.Read(&byte, 1), 0);
    EXPECT_FALSE(device.GetLine(line));
    EXPECT_FALSE(device.SetLine(line));
    EXPECT_FALSE(device.SetTimeouts({}));
    EXPECT_FALSE(device.PurgeInput());
    EXPECT_EQ(pty.Receive(1, 50).size(), 0u);
}

}  // namespace
