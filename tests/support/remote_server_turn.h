#pragma once

#include <poll.h>

#include <cerrno>
#include <vector>

#include "platform/posix/tcp_remote_server.h"

// One turn of an event loop around the rigctld-protocol server, as the program's loop drives it:
// waits up to timeoutMs for its descriptors (and extraFd, when given, for reading), hands what is
// ready to the server and returns extraFd's poll events. Header-only: the support library links
// the core alone, and only tests that link the POSIX layer use this.
inline short ServeOneTurn(TcpRemoteServer& server, int timeoutMs, int extraFd = -1) {
    std::vector<pollfd> fds = {{extraFd, POLLIN, 0}};  // a negative fd is skipped by poll
    for (const TcpRemoteServer::Watch& watch : server.Watches()) {
        const short events =
            static_cast<short>((watch.read ? POLLIN : 0) | (watch.write ? POLLOUT : 0));
        fds.push_back({watch.fd, events, 0});
    }
    if (::poll(fds.data(), fds.size(), timeoutMs) < 0) return 0;
    for (std::size_t i = 1; i < fds.size(); ++i) {
        if (fds[i].revents & (POLLIN | POLLHUP | POLLERR)) server.OnReadable(fds[i].fd);
        if (fds[i].revents & POLLOUT) server.OnWritable(fds[i].fd);
    }
    return fds[0].revents;
}
