#pragma once

#include "ui/serial_device_lister.h"

// The COM ports the system's serial drivers have announced (HARDWARE\DEVICEMAP\SERIALCOMM), in
// port-number order: "COM1", "COM3", "COM12".
class Win32SerialDeviceLister : public SerialDeviceLister {
  public:
    std::vector<std::string> List() override;
};
