#pragma once

#include <cstddef>
#include <memory>
#include <string>
#include <vector>

#include "platform/posix/scoped_fd.h"
#include "remote/remote_radio.h"
#include "remote/remote_session.h"

// The rigctld-protocol server on a TCP port: a non-blocking listener and its clients, each with a
// RemoteSession over the one radio. It never waits: the owner's event loop (a poll loop, Qt socket
// notifiers) watches the descriptors Watches() names and reports them back through OnReadable
// and OnWritable. A client that misbehaves is closed alone; the others go on.
class TcpRemoteServer {
  public:
    static constexpr const char* kDefaultAddress = "127.0.0.1";
    static constexpr int kDefaultPort = 4532;
    // A further client is accepted and closed at once, so it learns at once that it is refused.
    static constexpr std::size_t kMaxClients = 8;
    // Reply bytes a client has not read yet, at most: a client that sends without reading is
    // closed rather than buffered without end.
    static constexpr std::size_t kMaxPendingReply = 64 * 1024;

    struct Watch {
        int fd;
        bool read;
        bool write;
    };

    // The radio is not owned and must outlive the server.
    explicit TcpRemoteServer(RemoteRadio& radio) : radio_(radio) {}
    ~TcpRemoteServer() { Close(); }
    TcpRemoteServer(const TcpRemoteServer&) = delete;
    TcpRemoteServer& operator=(const TcpRemoteServer&) = delete;

    // Listens on a numeric IPv4 or IPv6 address; port 0 takes any free port (Port() tells which).
    // Closes what was open before. 0 listening; 1 the address is not a numeric address; 2 the
    // address or port cannot be bound (in use, not this host's, no permission); 3 any other
    // socket failure.
    int Open(const std::string& address, int port);
    // Ends every connection and stops listening.
    void Close();
    bool IsOpen() const { return listener_.Get() >= 0; }
    // The port listened on, 0 when closed.
    int Port() const;
    std::size_t ClientCount() const { return clients_.size(); }

    // What to watch now: the listener for reading, every client for reading until it has ended
    // its input, and for writing while it has replies waiting. Read it again after Open and after
    // every OnReadable or OnWritable call, which may add and remove descriptors.
    std::vector<Watch> Watches() const;
    // Descriptors that are not (or no longer) the server's are ignored.
    void OnReadable(int fd);
    void OnWritable(int fd);

  private:
    struct Client {
        explicit Client(int fd, RemoteRadio& radio) : socket(fd), session(radio) {}
        ScopedFd socket;
        RemoteSession session;
        std::string pending;      // replies not yet taken by the socket
        bool inputEnded = false;  // end of input: close once the replies are out
    };

    void AcceptClients();
    // Reads what the client sent and answers it; false when the client is to be closed.
    bool Serve(Client& client);
    // Hands waiting replies to the socket; false when the connection failed.
    bool Flush(Client& client);
    std::vector<std::unique_ptr<Client>>::iterator FindClient(int fd);

    RemoteRadio& radio_;
    ScopedFd listener_;
    std::vector<std::unique_ptr<Client>> clients_;
};
