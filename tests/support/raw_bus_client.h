#pragma once

#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <cstdint>
#include <cstring>
#include <string>

// A bare client of a window on the local bus, for what no well-behaved partner does: sending
// broken frames, or connecting and saying nothing. Header-only, as bus_partner_loop.h.

// A blocking connection to the window's address; -1 when it cannot connect.
inline int ConnectRaw(const std::string& address) {
    const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
    sockaddr_un socketAddress{};
    socketAddress.sun_family = AF_UNIX;
    std::strncpy(socketAddress.sun_path, address.c_str(), sizeof socketAddress.sun_path - 1);
    if (::connect(fd, reinterpret_cast<sockaddr*>(&socketAddress), sizeof socketAddress) != 0) {
        ::close(fd);
        return -1;
    }
    return fd;
}

// True once the window has closed the connection (and sent nothing more).
inline bool ClosedByWindow(int fd) {
    std::uint8_t byte = 0;
    return ::recv(fd, &byte, 1, MSG_DONTWAIT) == 0;
}
