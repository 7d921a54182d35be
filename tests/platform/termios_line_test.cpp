#include "platform/posix/termios_line.h"

#include <gtest/gtest.h>

#include <string>

#include "support/row_name.h"

namespace {

// A terminal as the tty layer hands it out: cooked, echoing, 9600 7E1 with flow control.
termios CookedTerminal() {
    termios attributes{};
    attributes.c_iflag = ICRNL | IXON | IXOFF | BRKINT | INPCK;
    attributes.c_oflag = OPOST | ONLCR;
    attributes.c_lflag = ICANON | ECHO | ECHOE | ECHOK | ISIG | IEXTEN;
    attributes.c_cflag = CS7 | PARENB | CSTOPB | CRTSCTS;
    attributes.c_cc[VMIN] = 1;
    cfsetispeed(&attributes, B9600);
    cfsetospeed(&attributes, B9600);
    return attributes;
}

SerialLineSettings Line(std::uint32_t baudRate, int dataBits, int parity, int stopBits) {
    SerialLineSettings settings;
    settings.baudRate = baudRate;
    settings.dataBits = dataBits;
    settings.parity = parity;
    settings.stopBits = stopBits;
    return settings;
}

struct FramingRow {
    std::string name;
    SerialLineSettings settings;
    tcflag_t expectedFlags;  // within CSIZE | PARENB | PARODD | CMSPAR | CSTOPB
    speed_t expectedSpeed;
};

class LineFramingTest : public testing::TestWithParam<FramingRow> {};

TEST_P(LineFramingTest, MapsToTermiosAndBack) {
    const FramingRow& row = GetParam();
    termios attributes = CookedTerminal();
    ASSERT_TRUE(ApplyLineSettings(row.settings, attributes));
    EXPECT_EQ(attributes.c_cflag & (CSIZE | PARENB | PARODD | CMSPAR | CSTOPB), row.expectedFlags);
    EXPECT_EQ(cfgetospeed(&attributes), row.expectedSpeed);
    EXPECT_EQ(cfgetispeed(&attributes), row.expectedSpeed);

    const SerialLineSettings back = LineSettingsOf(attributes);
    EXPECT_EQ(back.baudRate, row.settings.baudRate);
    EXPECT_EQ(back.dataBits, row.settings.dataBits);
    EXPECT_EQ(back.parity, row.settings.parity);
    EXPECT_EQ(back.stopBits, row.settings.stopBits);
}

INSTANTIATE_TEST_SUITE_P(
    Framings, LineFramingTest,
    testing::Values(FramingRow{"Receiver1200N81", Line(1200, 8, 0, 0), CS8, B1200},
                    FramingRow{"Odd7", Line(2400, 7, 1, 0), CS7 | PARENB | PARODD, B2400},
                    FramingRow{"Even6", Line(4800, 6, 2, 0), CS6 | PARENB, B4800},
                    FramingRow{"Mark8", Line(9600, 8, 3, 0), CS8 | PARENB | PARODD | CMSPAR, B9600},
                    FramingRow{"Space8", Line(19200, 8, 4, 0), CS8 | PARENB | CMSPAR, B19200},
                    FramingRow{"TwoStopBits", Line(300, 8, 0, 2), CS8 | CSTOPB, B300},
                    FramingRow{"OneAndAHalfStopBitsAtFive", Line(110, 5, 0, 1), CS5 | CSTOPB, B110},
                    FramingRow{"Fast", Line(115200, 8, 0, 0), CS8, B115200}),
    RowName());

TEST(LineSettingsTest, MakesTheLineRawAndSetsOnlyTheNamedFlowControl) {
    termios attributes = CookedTerminal();
    SerialLineSettings settings = Line(1200, 8, 0, 0);
    settings.xonXoffInput = true;
    ASSERT_TRUE(ApplyLineSettings(settings, attributes));
    EXPECT_TRUE(IsRaw(attributes));
    EXPECT_EQ(attributes.c_lflag & (ICANON | ECHO | ISIG), 0u);
    EXPECT_EQ(attributes.c_oflag & OPOST, 0u);
    EXPECT_EQ(attributes.c_iflag & ICRNL, 0u);  // a CR inside a command stays a CR
    EXPECT_NE(attributes.c_cflag & CLOCAL, 0u);
    EXPECT_EQ(attributes.c_cflag & CRTSCTS, 0u);
    EXPECT_EQ(attributes.c_iflag & IXON, 0u);
    EXPECT_NE(attributes.c_iflag & IXOFF, 0u);
    EXPECT_NE(attributes.c_iflag & INPCK, 0u);  // parity checking is not named: kept

    settings.ctsOutputFlow = true;
    settings.xonXoffOutput = true;
    ASSERT_TRUE(ApplyLineSettings(settings, attributes));
    const SerialLineSettings back = LineSettingsOf(attributes);
    EXPECT_TRUE(back.binary);
    EXPECT_TRUE(back.ctsOutputFlow);
    EXPECT_TRUE(back.xonXoffOutput);
    EXPECT_TRUE(back.xonXoffInput);
    EXPECT_FALSE(LineSettingsOf(CookedTerminal()).binary);
}

TEST(LineSettingsTest, RefusesWhatTermiosCannotSayAndLeavesTheAttributesAlone) {
    SerialLineSettings dsrFlow = Line(1200, 8, 0, 0);
    dsrFlow.dsrOutputFlow = true;
    SerialLineSettings cooked = Line(1200, 8, 0, 0);
    cooked.binary = false;
    const SerialLineSettings refused[] = {Line(1234, 8, 0, 0),
                                          Line(0, 8, 0, 0),
                                          Line(1200, 4, 0, 0),
                                          Line(1200, 9, 0, 0),
                                          Line(1200, 8, 5, 0),
                                          Line(1200, 8, 0, 3),
                                          Line(1200, 8, 0, 1),
                                          Line(1200, 5, 0, 2),
                                          dsrFlow,
                                          cooked};
    for (const SerialLineSettings& settings : refused) {
        termios attributes = CookedTerminal();
        EXPECT_FALSE(ApplyLineSettings(settings, attributes))
            << settings.baudRate << " " << settings.dataBits << settings.parity
            << settings.stopBits;
        EXPECT_EQ(attributes.c_cflag, CookedTerminal().c_cflag);
        EXPECT_EQ(attributes.c_lflag, CookedTerminal().c_lflag);
    }
}

}  // namespace
