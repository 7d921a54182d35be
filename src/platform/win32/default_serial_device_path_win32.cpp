#include <string>

#include "link/com_port_map.h"

// The port's own name; the serial device adds the "\\.\" prefix that also reaches COM10 and up.
std::string DefaultSerialDevicePath(int port) {
    return "COM" + std::to_string(port);
}
