#include "platform/posix/tcp_remote_server.h"

#include <netdb.h>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <sys/socket.h>
#include <sys/types.h>

#include <algorithm>
#include <cerrno>

namespace {

constexpr int kListenBacklog = 8;
// Reads and accepts per call at most, so that one busy client cannot hold the event loop.
constexpr int kReadsPerCall = 4;
constexpr int kAcceptsPerCall = 16;
constexpr std::size_t kReadChunk = 4096;

}  // namespace

int TcpRemoteServer::Open(const std::string& address, int port) {
    Close();
    addrinfo hints{};
    hints.ai_family = AF_UNSPEC;
    hints.ai_socktype = SOCK_STREAM;
    hints.ai_flags = AI_NUMERICHOST | AI_NUMERICSERV | AI_PASSIVE;
    addrinfo* found = nullptr;
    if (port < 0 || port > 65535 ||
        ::getaddrinfo(address.c_str(), std::to_string(port).c_str(), &hints, &found) != 0) {
        return 1;
    }
    const std::unique_ptr<addrinfo, decltype(&::freeaddrinfo)> owned(found, &::freeaddrinfo);
    ScopedFd listener(
        ::socket(found->ai_family, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, IPPROTO_TCP));
    if (listener.Get() < 0) return 3;
    // A restarted program binds again at once, while connections of its last run linger.
    const int reuse = 1;
    ::setsockopt(listener.Get(), SOL_SOCKET, SO_REUSEADDR, &reuse, sizeof reuse);
    if (::bind(listener.Get(), found->ai_addr, found->ai_addrlen) != 0) return 2;
    if (::listen(listener.Get(), kListenBacklog) != 0) return 3;
    listener_.Reset(listener.Release());
    return 0;
}

void TcpRemoteServer::Close() {
    clients_.clear();
    listener_.Reset();
}

int TcpRemoteServer::Port() const {
    sockaddr_storage address{};
    socklen_t length = sizeof address;
    if (!IsOpen() ||
        ::getsockname(listener_.Get(), reinterpret_cast<sockaddr*>(&address), &length) != 0) {
        return 0;
    }
    if (address.ss_family == AF_INET6) {
        return ntohs(reinterpret_cast<const sockaddr_in6*>(&address)->sin6_port);
    }
    return ntohs(reinterpret_cast<const sockaddr_in*>(&address)->sin_port);
}

std::vector<TcpRemoteServer::Watch> TcpRemoteServer::Watches() const {
    std::vector<Watch> watches;
    if (!IsOpen()) return watches;
    watches.push_back({listener_.Get(), true, false});
    for (const std::unique_ptr<Client>& client : clients_) {
        watches.push_back({client->socket.Get(), !client->inputEnded, !client->pending.empty()});
    }
    return watches;
}

void TcpRemoteServer::OnReadable(int fd) {
    if (IsOpen() && fd == listener_.Get()) {
        AcceptClients();
        return;
    }
    const auto found = FindClient(fd);
    if (found == clients_.end()) return;
    if (!Serve(**found)) clients_.erase(found);
}

void TcpRemoteServer::OnWritable(int fd) {
    const auto found = FindClient(fd);
    if (found == clients_.end()) return;
    Client& client = **found;
    if (!Flush(client) || (client.inputEnded && client.pending.empty())) clients_.erase(found);
}

void TcpRemoteServer::AcceptClients() {
    for (int i = 0; i < kAcceptsPerCall; ++i) {
        ScopedFd connection(
            ::accept4(listener_.Get(), nullptr, nullptr, SOCK_NONBLOCK | SOCK_CLOEXEC));
        if (connection.Get() < 0) {
            if (errno == EINTR) continue;
            return;
        }
        if (clients_.size() >= kMaxClients) continue;
        // Replies are short lines a client waits for: send each at once.
        const int noDelay = 1;
        ::setsockopt(connection.Get(), IPPROTO_TCP, TCP_NODELAY, &noDelay, sizeof noDelay);
        clients_.push_back(std::make_unique<Client>(connection.Release(), radio_));
    }
}

bool TcpRemoteServer::Serve(Client& client) {
    char buffer[kReadChunk];
    for (int i = 0; i < kReadsPerCall && !client.inputEnded; ++i) {
        const ssize_t count = ::recv(client.socket.Get(), buffer, sizeof buffer, 0);
        if (count < 0) {
            if (errno == EINTR) continue;
            if (errno == EAGAIN || errno == EWOULDBLOCK) break;
            return false;
        }
        if (count == 0) {
            client.inputEnded = true;
            break;
        }
        if (!client.session.Receive(buffer, static_cast<std::size_t>(count), client.pending)) {
            // Quit, an overlong line or junk: what was already answered goes out if the socket
            // takes it now, nothing waits for it.
            Flush(client);
            return false;
        }
        if (!Flush(client) || client.pending.size() > kMaxPendingReply) return false;
    }
    return !(client.inputEnded && client.pending.empty());
}

bool TcpRemoteServer::Flush(Client& client) {
    while (!client.pending.empty()) {
        const ssize_t sent =
            ::send(client.socket.Get(), client.pending.data(), client.pending.size(), MSG_NOSIGNAL);
        if (sent < 0) {
            if (errno == EINTR) continue;
            return errno == EAGAIN || errno == EWOULDBLOCK;
        }
        client.pending.erase(0, static_cast<std::size_t>(sent));
    }
    return true;
}

std::vector<std::unique_ptr<TcpRemoteServer::Client>>::iterator TcpRemoteServer::FindClient(
    int fd) {
    return std::find_if(
        clients_.begin(), clients_.end(),
        [fd](const std::unique_ptr<Client>& client) { return client->socket.Get() == fd; });
}
