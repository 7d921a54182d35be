#include "platform/posix/tcp_remote_server.h"

#include <gtest/gtest.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cerrno>
#include <string>
#include <vector>

#include "platform/posix/scoped_fd.h"
#include "support/fake_remote_radio.h"
#include "support/remote_server_turn.h"

namespace {

// Turns of the loop a test waits at most: a guard against a hang, not a measurement.
constexpr int kMostTurns = 500;

// receiveBuffer: bytes the kernel holds for a client that does not read, 0 for its default.
int Connect(int port, int receiveBuffer = 0) {
    const int fd = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (receiveBuffer > 0) {
        ::setsockopt(fd, SOL_SOCKET, SO_RCVBUF, &receiveBuffer, sizeof receiveBuffer);
    }
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_port = htons(static_cast<std::uint16_t>(port));
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    // The listener's backlog completes the connection before the server has accepted it.
    if (::connect(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) != 0) {
        ::close(fd);
        return -1;
    }
    return fd;
}

struct Received {
    std::string bytes;
    bool ended = false;  // the server closed the connection
};

// Serves until the client has a whole line or its connection has ended.
Received Await(TcpRemoteServer& server, int client) {
    Received received;
    for (int turn = 0; turn < kMostTurns && !received.ended; ++turn) {
        if (!(ServeOneTurn(server, 10, client) & (POLLIN | POLLHUP | POLLERR))) continue;
        char buffer[256];
        const ssize_t count = ::recv(client, buffer, sizeof buffer, MSG_DONTWAIT);
        if (count > 0) received.bytes.append(buffer, static_cast<std::size_t>(count));
        if (count == 0 || (count < 0 && errno != EAGAIN && errno != EINTR)) received.ended = true;
        if (received.bytes.find('\n') != std::string::npos) break;
    }
    return received;
}

Received Ask(TcpRemoteServer& server, int client, const std::string& request) {
    ::send(client, request.data(), request.size(), MSG_NOSIGNAL);
    return Await(server, client);
}

class TcpRemoteServerTest : public testing::Test {
  protected:
    void SetUp() override { ASSERT_EQ(server.Open(TcpRemoteServer::kDefaultAddress, 0), 0); }

    FakeRemoteRadio radio;
    TcpRemoteServer server{radio};
};

TEST_F(TcpRemoteServerTest, ServesClientsUpToTheLimitAndRefusesTheNext) {
    std::vector<std::unique_ptr<ScopedFd>> clients;
    for (std::size_t i = 0; i <= TcpRemoteServer::kMaxClients; ++i) {
        clients.push_back(std::make_unique<ScopedFd>(Connect(server.Port())));
        ASSERT_GE(clients.back()->Get(), 0);
    }
    EXPECT_TRUE(Await(server, clients.back()->Get()).ended);
    for (std::size_t i = 0; i < TcpRemoteServer::kMaxClients; ++i) {
        EXPECT_EQ(Ask(server, clients[i]->Get(), "f\n").bytes, "6075000\n");
    }
    // A slot that comes free takes the next client.
    clients.front()->Reset();
    for (int turn = 0; turn < kMostTurns && server.ClientCount() == TcpRemoteServer::kMaxClients;
         ++turn) {
        ServeOneTurn(server, 10);
    }
    ScopedFd late(Connect(server.Port()));
    EXPECT_EQ(Ask(server, late.Get(), "f\n").bytes, "6075000\n");
}

TEST_F(TcpRemoteServerTest, ClosesOnlyTheClientThatMisbehaves) {
    ScopedFd good(Connect(server.Port()));
    ASSERT_EQ(Ask(server, good.Get(), "f\n").bytes, "6075000\n");

    ScopedFd junk(Connect(server.Port()));
    EXPECT_TRUE(Ask(server, junk.Get(), std::string("f\0\n", 3)).ended);
    ScopedFd overlong(Connect(server.Port()));
    EXPECT_TRUE(Ask(server, overlong.Get(), std::string(2000, 'f')).ended);

    // Asks for long replies and never reads them: its replies pile up until the server gives up
    // on it.
    ScopedFd deaf(Connect(server.Port(), 4096));
    ASSERT_EQ(Ask(server, deaf.Get(), "f\n").bytes, "6075000\n");
    ASSERT_EQ(server.ClientCount(), 2u);
    std::string requests;
    for (int i = 0; i < 100; ++i) requests += "\\dump_caps\n";
    for (int turn = 0; turn < kMostTurns && server.ClientCount() > 1; ++turn) {
        if (::send(deaf.Get(), requests.data(), requests.size(), MSG_NOSIGNAL | MSG_DONTWAIT) < 0 &&
            errno != EAGAIN) {
            break;
        }
        ServeOneTurn(server, 10);
    }
    EXPECT_EQ(server.ClientCount(), 1u);
    EXPECT_EQ(Ask(server, good.Get(), "+f\n").bytes, "get_freq:\nFrequency: 6075000\nRPRT 0\n");
}

}  // namespace
