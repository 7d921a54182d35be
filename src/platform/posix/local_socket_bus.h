#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "exchange/copy_data_bus.h"
#include "platform/posix/deadline_io.h"

// The copy-data bus on one Linux desktop session: every taking-part window listens on a local
// stream socket in a directory only this user can enter, and answers title and copy-data
// requests (docs/exchange-protocol.md). Runs on the caller's thread: the owner watches Fd() and
// calls ProcessPending() when it is readable.
class LocalSocketBus : public CopyDataBus {
  public:
    // Answers an incoming copy-data message; the result goes back to the sender.
    using CopyDataHandler = std::function<std::int32_t(std::uint32_t value,
                                                       const std::uint8_t* data, std::size_t size)>;

    static constexpr int kDefaultTimeoutMs = 1000;
    // Requests answered per ProcessPending call at most, so a flood cannot hold the event loop.
    static constexpr int kMaxRequestsPerCall = 8;
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
    // The listening socket, -1 when not joined. Readable when a request waits.
    int Fd() const { return listenFd_; }
    // This window's own address, as enumerations report it.
    const std::string& Address() const { return address_; }

    // The title given to whoever asks; cut to 511 characters on the wire.
    void SetTitle(const std::string& title) { title_ = title; }
    const std::string& Title() const { return title_; }
    // Without a handler incoming copy-data is answered with 0.
    void SetCopyDataHandler(CopyDataHandler handler) { handler_ = std::move(handler); }
    // Limit for one exchange with a partner, and for reading the requests of one ProcessPending.
    void SetTimeoutMs(int timeoutMs) { timeoutMs_ = timeoutMs; }

    // Answers the requests waiting on the listening socket. A request that is malformed, too
    // large, from another user or slower than the time-out is refused or dropped; none of them
    // reaches the handler.
    void ProcessPending();

    // The title of the window at address; false when it does not answer in time.
    bool QueryTitle(const std::string& address, std::string& title);

    void EnumerateWindows(const std::function<bool(const BusWindow&)>& visit) override;
    bool SendCopyData(const std::string& address, std::uint32_t value, const std::uint8_t* data,
                      std::size_t size, std::int32_t& result) override;

  private:
    enum class Outcome { Answered, Gone, Failed };

    // One request on a fresh connection; payload receives the answer of the expected kind.
    Outcome Transact(const std::string& address, const std::vector<std::uint8_t>& request,
                     std::uint16_t expectedKind, std::vector<std::uint8_t>& payload);
    void AnswerRequest(int connection, const Deadline& deadline);
    bool IsBusAddress(const std::string& address) const;
    // Removes the file of a socket whose process has ended.
    void ForgetGone(const std::string& address);
    void RemoveLeftoverTemporaries();

    std::string directory_;
    std::string address_;
    std::string title_;
    CopyDataHandler handler_;
    int listenFd_ = -1;
    int timeoutMs_ = kDefaultTimeoutMs;
    int nesting_ = 0;
};
