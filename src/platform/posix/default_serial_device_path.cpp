#include <string>

#include "link/com_port_map.h"

std::string DefaultSerialDevicePath(int port) {
    return "/dev/ttyS" + std::to_string(port - 1);
}
