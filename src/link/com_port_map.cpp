#include "link/com_port_map.h"

ComPortMap::ComPortMap() {
    for (int port = 1; port <= kPortCount; ++port) paths_[port - 1] = DefaultPath(port);
}

std::string ComPortMap::DefaultPath(int port) {
    if (port < 1 || port > kPortCount) return {};
    return DefaultSerialDevicePath(port);
}

std::string ComPortMap::PathOf(int port) const {
    if (port < 1 || port > kPortCount) return {};
    return paths_[port - 1];
}

void ComPortMap::SetPath(int port, const std::string& path) {
    if (port < 1 || port > kPortCount || path.empty()) return;
    paths_[port - 1] = path;
}
