#pragma once

#include <string>

#include "link/serial_device.h"

// Why devicePath could not be opened, in plain words with what the user can do about it; empty
// for SerialOpenError::None.
std::string PortProblemText(SerialOpenError error, const std::string& devicePath);

// Opens devicePath on device and closes it again at once; None when it could be opened. The
// device must not be the one the receiver is driven through.
SerialOpenError ProbePort(SerialDevice& device, const std::string& devicePath);
