#include "ui/port_problem_text.h"

#include <gtest/gtest.h>

#include <string>

#include "support/scripted_serial_device.h"

namespace {

struct ProblemCase {
    const char* name;
    SerialOpenError error;
    const char* mustMention;
};

class PortProblemTextTest : public ::testing::TestWithParam<ProblemCase> {};

TEST_P(PortProblemTextTest, NamesTheDeviceAndWhatToDo) {
    const ProblemCase& c = GetParam();
    const std::string text = PortProblemText(c.error, "/dev/ttyUSB0");
    EXPECT_NE(text.find("/dev/ttyUSB0"), std::string::npos) << text;
    EXPECT_NE(text.find(c.mustMention), std::string::npos) << text;
}

INSTANTIATE_TEST_SUITE_P(
    Errors, PortProblemTextTest,
    ::testing::Values(ProblemCase{"Permission", SerialOpenError::PermissionDenied, "\"dialout\""},
                      ProblemCase{"Busy", SerialOpenError::Busy, "in use by another program"},
                      ProblemCase{"Missing", SerialOpenError::NoSuchDevice, "does not exist"},
                      ProblemCase{"Other", SerialOpenError::Other, "cannot be opened"}),
    [](const auto& row) { return std::string(row.param.name); });

TEST(PortProblemText, APortWithoutProblemHasNoText) {
    EXPECT_EQ(PortProblemText(SerialOpenError::None, "/dev/ttyS0"), "");
}

TEST(ProbePort, ReportsWhyTheDeviceCouldNotBeOpened) {
    ScriptedSerialDevice device;
    device.openError = SerialOpenError::Busy;
    EXPECT_EQ(ProbePort(device, "/dev/ttyS1"), SerialOpenError::Busy);
    EXPECT_FALSE(device.isOpen);
}

TEST(ProbePort, LeavesADeviceThatOpenedClosed) {
    ScriptedSerialDevice device;
    EXPECT_EQ(ProbePort(device, "/dev/ttyS1"), SerialOpenError::None);
    EXPECT_EQ(device.openedPath, "/dev/ttyS1");
    EXPECT_FALSE(device.isOpen);
}

}  // namespace
