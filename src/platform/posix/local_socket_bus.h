#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "exchange/copy_data_bus.h"
#include "platform/posix/deadline_io.h"

// The copy-data bus on one Linux desktop session: every taking-part window listens on a local
// stream socket in a directory only this user can enter, and answers title and copy-data
// requests (docs/exchange-protocol.md). Runs on the caller's thread: the owner watches Fd() and
// calls ProcessPending() when it is readable. Requests are read as their bytes come, never
// waited for, so a caller that connects and stays silent holds up nobody.
class LocalSocketBus : public CopyDataBus {
  public:
    // Answers an incoming copy-data message; the result goes back to the sender.
    using CopyDataHandler = std::function<std::int32_t(std::uint32_t value,
                                                       const std::uint8_t* data, std::size_t size)>;

    static constexpr int kDefaultTimeoutMs = 1000;
    // Connections accepted per ProcessPending call at most, so a flood cannot hold the event loop.
    static constexpr int kMaxAcceptsPerCall = 8;
    // Requests being read at once at most; further callers wait in the socket's queue.
    static constexpr std::size_t kMaxConnections = 32;
    // Sockets looked at per enumeration at most.
    static constexpr int kMaxWindows = 64;

    LocalSocketBus() = default;
    // Leaves the bus: the socket is closed and its file removed.
    ~LocalSocketBus() override;
    LocalSocketBus(const LocalSocketBus&) = delete;
    LocalSocketBus& operator=(const LocalSocketBus&) = delete;

    // Joins the bus in directory, creating it (0700) when missing; leaves a bus joined before.
    // 0 joined; 1 to 4 the directory is unusable (PrepareBusDirectory's codes); 5 the socket
    // could not be set up.
    int Open(const std::string& directory);
    void Close();
    bool IsOpen() const { return listenFd_ >= 0; }
    // -1 when not joined. Readable when ProcessPending has work: a caller waits to connect, bytes
    // came on a connection, or a connection ran out of time.
    int Fd() const { return watchFd_; }
    // This window's own address, as enumerations report it.
    const std::string& Address() const { return address_; }

    // The title given to whoever asks; cut to 511 characters on the wire.
    void SetTitle(const std::string& title) { title_ = title; }
    const std::string& Title() const { return title_; }
    // Without a handler incoming copy-data is answered with 0.
    void SetCopyDataHandler(CopyDataHandler handler) { handler_ = std::move(handler); }
    // Limit for one exchange with a partner, and for each incoming request to arrive whole.
    void SetTimeoutMs(int timeoutMs) { timeoutMs_ = timeoutMs; }

    // Accepts waiting callers, reads what has come from each and answers the requests that are
    // complete; returns without waiting for anybody. A request that is malformed, too large,
    // from another user or not whole within the time-out is refused or dropped; none of them
    // reaches the handler.
    void ProcessPending();

    // The title of the window at address; false when it does not answer in time.
    bool QueryTitle(const std::string& address, std::string& title);

    void EnumerateWindows(const std::function<bool(const BusWindow&)>& visit) override;
    bool SendCopyData(const std::string& address, std::uint32_t value, const std::uint8_t* data,
                      std::size_t size, std::int32_t& result) override;

  private:
    enum class Outcome { Answered, Gone, Failed };

    // An accepted caller whose request is being read.
    struct Connection {
        int fd = -1;
        Deadline deadline;
        std::vector<std::uint8_t> bytes;  // the header, then the payload, as far as they came
    };

    // One request on a fresh connection; payload receives the answer of the expected kind.
    Outcome Transact(const std::string& address, const std::vector<std::uint8_t>& request,
                     std::uint16_t expectedKind, std::vector<std::uint8_t>& payload);
    void AcceptWaiting();
    void ServeConnections();
    // Reads on and answers once the request is whole; false while more bytes are to come.
    bool ContinueRequest(Connection& connection);
    void Answer(Connection& connection, std::uint32_t value, const std::uint8_t* block,
                std::size_t size);
    void DropExpired();
    // Puts fd in the set Fd() stands for, or takes it out.
    bool Watch(int fd);
    void Unwatch(int fd);
    void WatchListener(bool watch);
    // Sets the timer behind Fd() to the next deadline, or stops it.
    void ArmTimer();
    void CloseConnection(Connection& connection);
    bool IsBusAddress(const std::string& address) const;
    // Removes the file of a socket whose process has ended.
    void ForgetGone(const std::string& address);
    void RemoveLeftoverTemporaries();

    std::string directory_;
    std::string address_;
    std::string title_;
    CopyDataHandler handler_;
    int listenFd_ = -1;
    int watchFd_ = -1;  // epoll set: the listening socket, the connections and timerFd_
    int timerFd_ = -1;
    bool listenerWatched_ = false;
    // Set while no descriptor is left to accept with; accepting resumes after it.
    std::optional<Deadline> acceptPause_;
    std::vector<Connection> connections_;
    int timeoutMs_ = kDefaultTimeoutMs;
    int nesting_ = 0;
};
