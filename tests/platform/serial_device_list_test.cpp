#include "platform/posix/serial_device_list.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "support/temp_dir.h"

namespace {

using Paths = std::vector<std::string>;

class SerialDeviceListTest : public ::testing::Test {
  protected:
    void Touch(const std::string& name) { ASSERT_TRUE(WriteWholeFile(dir.File(name), "")) << name; }

    TempDir dir;
};

TEST_F(SerialDeviceListTest, StableNamesFirstThenUsbAcmAndBuiltInPortsInNumericOrder) {
    std::filesystem::create_directories(dir.File("serial/by-id"));
    for (const char* name :
         {"ttyS10", "ttyS2", "ttyACM0", "ttyUSB10", "ttyUSB2", "tty1", "ttyS", "ttySX",
          "ttyUSB0.lock", "console", "serial/by-id/usb-B", "serial/by-id/usb-A"}) {
        Touch(name);
    }
    const std::string d = dir.Path();
    EXPECT_EQ(PosixSerialDeviceLister(d).List(),
              (Paths{d + "/serial/by-id/usb-A", d + "/serial/by-id/usb-B", d + "/ttyUSB2",
                     d + "/ttyUSB10", d + "/ttyACM0", d + "/ttyS2", d + "/ttyS10"}));
}

TEST_F(SerialDeviceListTest, NoDevicesNoDirectoryNoEntries) {
    EXPECT_TRUE(PosixSerialDeviceLister(dir.Path()).List().empty());
    EXPECT_TRUE(PosixSerialDeviceLister(dir.File("missing")).List().empty());
}

}  // namespace
