#pragma once

#include <array>
#include <string>

// The device port 1..4 leads to unless the profile says otherwise: /dev/ttyS0..3 on Linux, the
// port's own name on Windows. Implemented by the host layer.
std::string DefaultSerialDevicePath(int port);

// Where COM1..COM4 lead on this host. The profile's "Ports" section replaces any of the defaults
// (a USB adapter is usually /dev/ttyUSB0 on Linux, a higher COM number on Windows).
class ComPortMap {
  public:
    static constexpr int kPortCount = 4;

    ComPortMap();

    // Device path of port 1..4; empty for any other number.
    std::string PathOf(int port) const;
    // Sets the path of port 1..4; ignored for other numbers or an empty path.
    void SetPath(int port, const std::string& path);
    static std::string DefaultPath(int port);

  private:
    std::array<std::string, kPortCount> paths_;
};
