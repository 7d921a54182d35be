#include "link/serial_port.h"

#include <gtest/gtest.h>

#include "support/row_name.h"
#include "support/scripted_serial_device.h"

namespace {

class SerialPortTest : public testing::Test {
  protected:
    ScriptedSerialDevice device;
    ComPortMap ports;
    CSerialPort port{device, ports};
};

TEST_F(SerialPortTest, OpensTheDeviceThePortNumberMapsTo) {
    ports.SetPath(2, "/dev/ttyUSB0");
    EXPECT_EQ(port.Open(2), 0);
    EXPECT_TRUE(port.IsOpen());
    EXPECT_EQ(device.openedPath, "/dev/ttyUSB0");
    EXPECT_EQ(port.DevicePath(), "/dev/ttyUSB0");
}

TEST_F(SerialPortTest, PortFourIsTheLastThereIs) {
    EXPECT_EQ(port.Open(4), 0);
    EXPECT_EQ(device.openedPath, ComPortMap::DefaultPath(4));
}

TEST_F(SerialPortTest, PortsOutsideOneToFourAreRefusedWithoutTouchingTheDevice) {
    EXPECT_EQ(port.Open(0), 2);
    EXPECT_EQ(port.Open(5), 2);
    EXPECT_FALSE(port.IsOpen());
    EXPECT_EQ(device.openCalls, 0);
}

TEST_F(SerialPortTest, OpeningAnOpenPortKeepsTheFirstDevice) {
    ASSERT_EQ(port.Open(1), 0);
    EXPECT_EQ(port.Open(2), 1);
    EXPECT_EQ(device.openCalls, 1);
    EXPECT_EQ(device.openedPath, ComPortMap::DefaultPath(1));
    EXPECT_TRUE(port.IsOpen());
}

TEST_F(SerialPortTest, FailedOpenLeavesThePortClosedAndNamesTheDevice) {
    device.openError = SerialOpenError::Busy;
    EXPECT_EQ(port.Open(3), 3);
    EXPECT_FALSE(port.IsOpen());
    EXPECT_EQ(port.DevicePath(), ComPortMap::DefaultPath(3));
    EXPECT_EQ(port.SetLine(1200, 8, 0, 0), 1);
    EXPECT_EQ(port.SetTimeouts(0, 10, 200, 10, 200), 1);
    EXPECT_EQ(port.SetBuffers(1024, 1024), 1);
    EXPECT_EQ(device.getLineCalls, 0);

    device.openError = SerialOpenError::None;  // a later attempt tries again
    EXPECT_EQ(port.Open(3), 0);
}

TEST_F(SerialPortTest, CloseClosesOnceAndTheDestructorClosesAnOpenPort) {
    EXPECT_EQ(port.Close(), 0);
    EXPECT_EQ(device.closeCalls, 0);
    ASSERT_EQ(port.Open(1), 0);
    EXPECT_EQ(port.Close(), 0);
    EXPECT_FALSE(port.IsOpen());
    EXPECT_EQ(port.Close(), 0);
    EXPECT_EQ(device.closeCalls, 1);

    ScriptedSerialDevice other;
    {
        CSerialPort scoped(other, ports);
        ASSERT_EQ(scoped.Open(1), 0);
    }
    EXPECT_FALSE(other.isOpen);
}

TEST_F(SerialPortTest, SetLineAppliesTheArgumentsAndTurnsFlowControlOff) {
    device.line = {9600, 7, 2, 2, false, true, true, true, true, true, true};
    ASSERT_EQ(port.Open(1), 0);
    EXPECT_EQ(port.SetLine(1200, 8, 0, 0), 0);
    const SerialLineSettings& line = device.line;
    EXPECT_EQ(line.baudRate, 1200u);
    EXPECT_EQ(line.dataBits, 8);
    EXPECT_EQ(line.parity, 0);
    EXPECT_EQ(line.stopBits, 0);
    EXPECT_TRUE(line.binary);
    EXPECT_FALSE(line.ctsOutputFlow);
    EXPECT_FALSE(line.dsrOutputFlow);
    EXPECT_FALSE(line.dtrEnabled);
    EXPECT_FALSE(line.xonXoffOutput);
    EXPECT_FALSE(line.xonXoffInput);
    EXPECT_FALSE(line.rtsEnabled);
}

TEST_F(SerialPortTest, SetLineStoresEveryParityAndStopBitsCodeUnchanged) {
    ASSERT_EQ(port.Open(1), 0);
    for (int parity = 0; parity <= 4; ++parity) {
        for (int stopBits = 0; stopBits <= 2; ++stopBits) {
            ASSERT_EQ(port.SetLine(2400, 5, parity, stopBits), 0);
            EXPECT_EQ(device.line.parity, parity);
            EXPECT_EQ(device.line.stopBits, stopBits);
        }
    }
}

struct LineRefusal {
    std::string name;
    int dataBits;
    int parity;
    int stopBits;
    bool settingsRead;  // data bits are checked before the device is asked
};

class SetLineRefusalTest : public SerialPortTest,
                           public testing::WithParamInterface<LineRefusal> {};

TEST_P(SetLineRefusalTest, ReturnsTwoAndWritesNothing) {
    ASSERT_EQ(port.Open(1), 0);
    const SerialLineSettings before = device.line;
    const LineRefusal& row = GetParam();
    EXPECT_EQ(port.SetLine(1200, row.dataBits, row.parity, row.stopBits), 2);
    EXPECT_EQ(device.getLineCalls, row.settingsRead ? 1 : 0);
    EXPECT_EQ(device.setLineCalls, 0);
    EXPECT_EQ(device.line.baudRate, before.baudRate);
    EXPECT_TRUE(port.IsOpen());
}

INSTANTIATE_TEST_SUITE_P(Arguments, SetLineRefusalTest,
                         testing::Values(LineRefusal{"FourDataBits", 4, 0, 0, false},
                                         LineRefusal{"NineDataBits", 9, 0, 0, false},
                                         LineRefusal{"ParityFive", 8, 5, 0, true},
                                         LineRefusal{"ParityNegative", 8, -1, 0, true},
                                         LineRefusal{"StopBitsThree", 8, 0, 3, true},
                                         LineRefusal{"StopBitsNegative", 8, 0, -1, true}),
                         RowName());

TEST_F(SerialPortTest, SetLineReportsWhichDeviceStepFailed) {
    ASSERT_EQ(port.Open(1), 0);
    device.failGetLine = true;
    EXPECT_EQ(port.SetLine(1200, 8, 0, 0), 3);
    EXPECT_EQ(device.setLineCalls, 0);
    device.failGetLine = false;
    device.failSetLine = true;
    EXPECT_EQ(port.SetLine(1200, 8, 0, 0), 4);
    EXPECT_TRUE(port.IsOpen());
}

TEST_F(SerialPortTest, SetTimeoutsPassesTheFiveValuesInOrder) {
    ASSERT_EQ(port.Open(1), 0);
    EXPECT_EQ(port.SetTimeouts(1, 2, 3, 4, 5), 0);
    EXPECT_EQ(device.timeouts.readInterval, 1u);
    EXPECT_EQ(device.timeouts.readMultiplier, 2u);
    EXPECT_EQ(device.timeouts.readConstant, 3u);
    EXPECT_EQ(device.timeouts.writeMultiplier, 4u);
    EXPECT_EQ(device.timeouts.writeConstant, 5u);
    device.failSetTimeouts = true;
    EXPECT_EQ(port.SetTimeouts(0, 10, 200, 10, 200), 2);
    EXPECT_TRUE(port.IsOpen());
}

TEST_F(SerialPortTest, SetBuffersNeedsPositiveSizes) {
    ASSERT_EQ(port.Open(1), 0);
    EXPECT_EQ(port.SetBuffers(0, 1024), 2);
    EXPECT_EQ(port.SetBuffers(1024, -1), 2);
    EXPECT_EQ(device.inputBufferSize, 0);
    EXPECT_EQ(port.SetBuffers(1024, 2048), 0);
    EXPECT_EQ(device.inputBufferSize, 1024);
    EXPECT_EQ(device.outputBufferSize, 2048);
    device.failSetBuffers = true;
    EXPECT_EQ(port.SetBuffers(1024, 1024), 3);
    EXPECT_TRUE(port.IsOpen());
}

}  // namespace
