#pragma once

#include <array>
#include <string>

// Where COM1..COM4 lead on this host. On Linux the defaults are /dev/ttyS0..3; the profile's
// "Ports" section replaces any of them (a USB adapter is usually /dev/ttyUSB0).
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
