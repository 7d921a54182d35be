#pragma once

#include <string>
#include <vector>

// The serial devices present on this host, for the pick lists beside the COM ports. Only a
// suggestion: the user may still type any path.
class SerialDeviceLister {
  public:
    virtual ~SerialDeviceLister() = default;
    // Full device paths, the most likely receiver connections first; empty when none is found.
    virtual std::vector<std::string> List() = 0;
};
