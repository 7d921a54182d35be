#pragma once

#include <string>
#include <vector>

#include "ui/serial_device_lister.h"

// Lists the serial devices under a device directory (normally /dev): the stable names of
// /dev/serial/by-id first, as they say which adapter is which, then ttyUSB*, ttyACM* and ttyS*,
// each group in numeric order.
class PosixSerialDeviceLister : public SerialDeviceLister {
  public:
    explicit PosixSerialDeviceLister(std::string deviceDirectory = "/dev");
    std::vector<std::string> List() override;

  private:
    std::string deviceDirectory_;
};
