#include "platform/posix/local_socket_bus.h"

#include <dirent.h>
#include <fcntl.h>
#include <signal.h>
#include <sys/epoll.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/timerfd.h>
#include <sys/types.h>
#include <sys/un.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>

#include "platform/posix/bus_directory.h"
#include "platform/posix/bus_frame.h"
#include "platform/posix/scoped_fd.h"

namespace {

constexpr const char* kSocketSuffix = ".sock";
constexpr const char* kTemporarySuffix = ".tmp";
constexpr int kListenBacklog = 16;
// How long accepting rests when the process has no descriptor left.
constexpr int kAcceptPauseMs = 100;

bool EndsWith(const std::string& text, const std::string& suffix) {
    return text.size() >= suffix.size() &&
           text.compare(text.size() - suffix.size(), suffix.size(), suffix) == 0;
}

// False when the path does not fit a socket address.
bool MakeAddress(const std::string& path, sockaddr_un& address) {
    std::memset(&address, 0, sizeof address);
    address.sun_family = AF_UNIX;
    if (path.empty() || path.size() >= sizeof address.sun_path) return false;
    std::memcpy(address.sun_path, path.c_str(), path.size() + 1);
    return true;
}

// The directory's mode keeps strangers out already; this also holds when it has been widened.
bool PeerIsThisUser(int fd) {
    ucred credentials{};
    socklen_t length = sizeof credentials;
    if (::getsockopt(fd, SOL_SOCKET, SO_PEERCRED, &credentials, &length) != 0) return false;
    return length == sizeof credentials && credentials.uid == ::geteuid();
}

bool IsSocketFile(const std::string& path) {
    struct stat info {};
    return ::lstat(path.c_str(), &info) == 0 && S_ISSOCK(info.st_mode);
}

// Names of the directory's entries that end in suffix, sorted byte-wise.
std::vector<std::string> EntriesEndingIn(const std::string& directory, const std::string& suffix) {
    std::vector<std::string> names;
    DIR* listing = ::opendir(directory.c_str());
    if (listing == nullptr) return names;
    while (const dirent* entry = ::readdir(listing)) {
        const std::string name = entry->d_name;
        if (EndsWith(name, suffix)) names.push_back(name);
    }
    ::closedir(listing);
    std::sort(names.begin(), names.end());
    return names;
}

bool Send(int fd, const std::vector<std::uint8_t>& frame, const Deadline& deadline) {
    return SendAllBefore(fd, frame.data(), frame.size(), deadline);
}

enum class Receipt { Whole, Waiting, Ended };

// Reads what has come on a non-blocking socket until bytes holds wanted bytes; never more, so
// nothing beyond the frame is taken. Ended: the peer closed first, or the socket failed.
Receipt ReceiveAvailable(int fd, std::vector<std::uint8_t>& bytes, std::size_t wanted) {
    while (bytes.size() < wanted) {
        const std::size_t had = bytes.size();
        bytes.resize(wanted);
        const ssize_t count = ::recv(fd, bytes.data() + had, wanted - had, MSG_DONTWAIT);
        bytes.resize(had + static_cast<std::size_t>(count > 0 ? count : 0));
        if (count > 0) continue;
        if (count < 0 && errno == EINTR) continue;
        if (count < 0 && (errno == EAGAIN || errno == EWOULDBLOCK)) return Receipt::Waiting;
        return Receipt::Ended;
    }
    return Receipt::Whole;
}

}  // namespace

LocalSocketBus::~LocalSocketBus() {
    Close();
}

int LocalSocketBus::Open(const std::string& directory) {
    Close();
    const int directoryStatus = PrepareBusDirectory(directory);
    if (directoryStatus != 0) return directoryStatus;

    ScopedFd listener(::socket(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0));
    // One descriptor stands for everything the owner must watch: the listening socket, every
    // connection being read, and a timer for their deadlines.
    ScopedFd watchSet(::epoll_create1(EPOLL_CLOEXEC));
    ScopedFd timer(::timerfd_create(CLOCK_MONOTONIC, TFD_NONBLOCK | TFD_CLOEXEC));
    if (listener.Get() < 0 || watchSet.Get() < 0 || timer.Get() < 0) return 5;
    // Process id and descriptor make the name unique among the live windows.
    const std::string stem =
        directory + "/" + std::to_string(::getpid()) + "-" + std::to_string(listener.Get());
    const std::string temporary = stem + kTemporarySuffix;
    const std::string final = stem + kSocketSuffix;
    sockaddr_un address{};
    if (!MakeAddress(final, address) || !MakeAddress(temporary, address)) return 5;

    ::unlink(temporary.c_str());
    if (::bind(listener.Get(), reinterpret_cast<const sockaddr*>(&address), sizeof address) != 0)
        return 5;
    // Bound under a temporary name and renamed once listening, so that a ".sock" file refusing
    // connections always belongs to a process that has ended.
    if (::listen(listener.Get(), kListenBacklog) != 0 ||
        ::rename(temporary.c_str(), final.c_str()) != 0) {
        ::unlink(temporary.c_str());
        return 5;
    }
    directory_ = directory;
    address_ = final;
    listenFd_ = listener.Release();
    watchFd_ = watchSet.Release();
    timerFd_ = timer.Release();
    if (!Watch(timerFd_)) {
        Close();
        return 5;
    }
    WatchListener(true);
    RemoveLeftoverTemporaries();
    return 0;
}

void LocalSocketBus::Close() {
    if (listenFd_ < 0) return;
    for (Connection& connection : connections_) ::close(connection.fd);
    connections_.clear();
    ::unlink(address_.c_str());
    ::close(listenFd_);
    ::close(watchFd_);
    ::close(timerFd_);
    listenFd_ = watchFd_ = timerFd_ = -1;
    listenerWatched_ = false;
    acceptPause_.reset();
    address_.clear();
    directory_.clear();
}

void LocalSocketBus::ProcessPending() {
    if (!IsOpen()) return;
    ++nesting_;
    // Clears the timer's readiness; which deadlines have passed is looked at below.
    std::uint64_t expirations = 0;
    const ssize_t cleared = ::read(timerFd_, &expirations, sizeof expirations);
    static_cast<void>(cleared);
    AcceptWaiting();
    ServeConnections();
    DropExpired();
    ArmTimer();
    --nesting_;
}

void LocalSocketBus::AcceptWaiting() {
    if (acceptPause_ && !acceptPause_->Passed()) return;
    acceptPause_.reset();
    for (int accepted = 0;
         accepted < kMaxAcceptsPerCall && connections_.size() < kMaxConnections;) {
        const int fd = ::accept4(listenFd_, nullptr, nullptr, SOCK_NONBLOCK | SOCK_CLOEXEC);
        if (fd < 0) {
            if (errno == EINTR || errno == ECONNABORTED) continue;
            // Without a descriptor the caller stays queued and the socket readable; resting a
            // moment keeps the event loop from spinning on it.
            if (errno == EMFILE || errno == ENFILE || errno == ENOBUFS || errno == ENOMEM)
                acceptPause_.emplace(kAcceptPauseMs);
            break;
        }
        ++accepted;
        if (!PeerIsThisUser(fd) || !Watch(fd)) {
            ::close(fd);
            continue;
        }
        connections_.push_back(Connection{fd, Deadline(timeoutMs_), {}});
    }
    // A full list, or a rest, leaves waiting callers in the queue without waking the loop.
    WatchListener(!acceptPause_ && connections_.size() < kMaxConnections);
}

void LocalSocketBus::ServeConnections() {
    // The handler may serve the bus again (a send it makes answers requests while it waits), so
    // each connection leaves the list while it is served and is looked up afresh.
    std::vector<int> fds;
    for (const Connection& connection : connections_) fds.push_back(connection.fd);
    for (const int fd : fds) {
        const auto found = std::find_if(connections_.begin(), connections_.end(),
                                        [fd](const Connection& c) { return c.fd == fd; });
        if (found == connections_.end()) continue;
        Connection connection = std::move(*found);
        connections_.erase(found);
        if (ContinueRequest(connection)) {
            CloseConnection(connection);
        } else {
            connections_.push_back(std::move(connection));
        }
    }
}

bool LocalSocketBus::ContinueRequest(Connection& connection) {
    // Unfinished: done only when the caller went away, else it waits for more.
    const Receipt headerReceipt =
        ReceiveAvailable(connection.fd, connection.bytes, bus::kHeaderSize);
    if (headerReceipt != Receipt::Whole) return headerReceipt == Receipt::Ended;
    const Deadline replyDeadline(timeoutMs_);
    bus::FrameHeader header;
    switch (bus::DecodeFrameHeader(connection.bytes.data(), header)) {
        case bus::HeaderCheck::Ok:
            break;
        case bus::HeaderCheck::BadMagic:
            Send(connection.fd, bus::EncodeRefused(bus::RefusalReason::Malformed), replyDeadline);
            return true;
        case bus::HeaderCheck::BadVersion:
            Send(connection.fd, bus::EncodeRefused(bus::RefusalReason::Unsupported), replyDeadline);
            return true;
        case bus::HeaderCheck::TooLarge:
            // Refused before a byte of the payload is read.
            Send(connection.fd, bus::EncodeRefused(bus::RefusalReason::TooLarge), replyDeadline);
            return true;
    }

    const auto kind = static_cast<bus::FrameKind>(header.kind);
    if (kind == bus::FrameKind::TitleRequest) {
        Send(connection.fd,
             header.length == 0 ? bus::EncodeTitleReply(title_)
                                : bus::EncodeRefused(bus::RefusalReason::Malformed),
             replyDeadline);
        return true;
    }
    if (kind != bus::FrameKind::CopyDataRequest) {
        Send(connection.fd, bus::EncodeRefused(bus::RefusalReason::Unsupported), replyDeadline);
        return true;
    }

    const Receipt payloadReceipt =
        ReceiveAvailable(connection.fd, connection.bytes, bus::kHeaderSize + header.length);
    if (payloadReceipt != Receipt::Whole) return payloadReceipt == Receipt::Ended;
    const std::vector<std::uint8_t> payload(connection.bytes.begin() + bus::kHeaderSize,
                                            connection.bytes.end());
    std::uint32_t value = 0;
    const std::uint8_t* block = nullptr;
    std::size_t size = 0;
    if (!bus::DecodeCopyDataRequest(payload, value, block, size)) {
        Send(connection.fd, bus::EncodeRefused(bus::RefusalReason::Malformed), replyDeadline);
        return true;
    }
    Answer(connection, value, block, size);
    return true;
}

void LocalSocketBus::Answer(Connection& connection, std::uint32_t value, const std::uint8_t* block,
                            std::size_t size) {
    // Nothing more is read from this caller; bytes it sends beyond the request must not keep
    // the watch set readable while the handler runs.
    Unwatch(connection.fd);
    // A copy: the handler may replace itself while it runs.
    const CopyDataHandler handler = handler_;
    const std::int32_t result = handler ? handler(value, block, size) : 0;
    Send(connection.fd, bus::EncodeCopyDataReply(result), Deadline(timeoutMs_));
}

void LocalSocketBus::DropExpired() {
    for (auto it = connections_.begin(); it != connections_.end();) {
        if (it->deadline.Passed()) {
            CloseConnection(*it);
            it = connections_.erase(it);
        } else {
            ++it;
        }
    }
    WatchListener(!acceptPause_ && connections_.size() < kMaxConnections);
}

bool LocalSocketBus::Watch(int fd) {
    epoll_event event{};
    event.events = EPOLLIN;
    event.data.fd = fd;
    return ::epoll_ctl(watchFd_, EPOLL_CTL_ADD, fd, &event) == 0;
}

void LocalSocketBus::Unwatch(int fd) {
    ::epoll_ctl(watchFd_, EPOLL_CTL_DEL, fd, nullptr);
}

void LocalSocketBus::WatchListener(bool watch) {
    if (watch == listenerWatched_ || listenFd_ < 0) return;
    if (watch) {
        listenerWatched_ = Watch(listenFd_);
    } else {
        Unwatch(listenFd_);
        listenerWatched_ = false;
    }
}

void LocalSocketBus::ArmTimer() {
    if (timerFd_ < 0) return;
    int nextMs = -1;
    const auto consider = [&nextMs](const Deadline& deadline) {
        const int remaining = deadline.RemainingMs();
        if (nextMs < 0 || remaining < nextMs) nextMs = remaining;
    };
    for (const Connection& connection : connections_) consider(connection.deadline);
    if (acceptPause_) consider(*acceptPause_);
    itimerspec when{};
    if (nextMs >= 0) {
        // A zero time would stop the timer; a deadline just passed fires at once instead.
        const int ms = std::max(nextMs, 1);
        when.it_value.tv_sec = ms / 1000;
        when.it_value.tv_nsec = static_cast<long>(ms % 1000) * 1000000L;
    }
    ::timerfd_settime(timerFd_, 0, &when, nullptr);
}

void LocalSocketBus::CloseConnection(Connection& connection) {
    Unwatch(connection.fd);
    ::close(connection.fd);
    connection.fd = -1;
}

LocalSocketBus::Outcome LocalSocketBus::Transact(const std::string& address,
                                                 const std::vector<std::uint8_t>& request,
                                                 std::uint16_t expectedKind,
                                                 std::vector<std::uint8_t>& payload) {
    sockaddr_un socketAddress{};
    if (!IsBusAddress(address) || !MakeAddress(address, socketAddress)) return Outcome::Failed;
    ScopedFd connection(::socket(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0));
    if (connection.Get() < 0) return Outcome::Failed;
    if (::connect(connection.Get(), reinterpret_cast<const sockaddr*>(&socketAddress),
                  sizeof socketAddress) != 0) {
        // A local socket connects at once or not at all (EAGAIN: its queue is full).
        return errno == ECONNREFUSED ? Outcome::Gone : Outcome::Failed;
    }
    if (!PeerIsThisUser(connection.Get())) return Outcome::Failed;

    const Deadline deadline(timeoutMs_);
    if (!Send(connection.Get(), request, deadline)) return Outcome::Failed;

    // While waiting, keep answering: the partner may ask this window something before it answers.
    const WhileWaiting serveOwnRequests{watchFd_, [this] { ProcessPending(); }};
    const WhileWaiting* whileWaiting = nesting_ < 2 ? &serveOwnRequests : nullptr;
    std::uint8_t headerBytes[bus::kHeaderSize];
    if (!ReceiveExactBefore(connection.Get(), headerBytes, sizeof headerBytes, deadline,
                            whileWaiting))
        return Outcome::Failed;
    bus::FrameHeader header;
    if (bus::DecodeFrameHeader(headerBytes, header) != bus::HeaderCheck::Ok ||
        header.kind != expectedKind)
        return Outcome::Failed;
    payload.resize(header.length);
    if (!ReceiveExactBefore(connection.Get(), payload.data(), payload.size(), deadline))
        return Outcome::Failed;
    return Outcome::Answered;
}

bool LocalSocketBus::QueryTitle(const std::string& address, std::string& title) {
    if (address == address_ && IsOpen()) {
        title = title_.substr(0, bus::kMaxTitle);
        return true;
    }
    std::vector<std::uint8_t> payload;
    const Outcome outcome =
        Transact(address, bus::EncodeTitleRequest(),
                 static_cast<std::uint16_t>(bus::FrameKind::TitleReply), payload);
    if (outcome == Outcome::Gone) ForgetGone(address);
    if (outcome != Outcome::Answered) return false;
    bus::DecodeTitlePayload(payload, title);
    return true;
}

void LocalSocketBus::EnumerateWindows(const std::function<bool(const BusWindow&)>& visit) {
    if (!IsOpen()) return;
    // The directory may change under the visitor; the names are fixed first.
    const std::vector<std::string> names = EntriesEndingIn(directory_, kSocketSuffix);
    int looked = 0;
    for (const std::string& name : names) {
        if (++looked > kMaxWindows) return;
        BusWindow window{directory_ + "/" + name, {}};
        if (!IsSocketFile(window.address) || !QueryTitle(window.address, window.title)) continue;
        if (!visit(window)) return;
    }
}

bool LocalSocketBus::SendCopyData(const std::string& address, std::uint32_t value,
                                  const std::uint8_t* data, std::size_t size,
                                  std::int32_t& result) {
    if (size > bus::kMaxBlock || (size > 0 && data == nullptr)) return false;
    if (address == address_ && IsOpen()) {
        // To its own window a message is handled at once, as the window system does.
        const CopyDataHandler handler = handler_;
        result = handler ? handler(value, data, size) : 0;
        return true;
    }
    std::vector<std::uint8_t> payload;
    const Outcome outcome =
        Transact(address, bus::EncodeCopyDataRequest(value, data, size),
                 static_cast<std::uint16_t>(bus::FrameKind::CopyDataReply), payload);
    if (outcome == Outcome::Gone) ForgetGone(address);
    return outcome == Outcome::Answered && bus::DecodeInt32Payload(payload, result);
}

bool LocalSocketBus::IsBusAddress(const std::string& address) const {
    return IsOpen() && address.size() > directory_.size() + 1 &&
           address.compare(0, directory_.size() + 1, directory_ + "/") == 0 &&
           address.find('/', directory_.size() + 1) == std::string::npos;
}

void LocalSocketBus::ForgetGone(const std::string& address) {
    if (IsBusAddress(address) && EndsWith(address, kSocketSuffix) && IsSocketFile(address))
        ::unlink(address.c_str());
}

void LocalSocketBus::RemoveLeftoverTemporaries() {
    // A process that died between bind and rename leaves its temporary name behind; the process
    // id before the dash tells whether it still runs.
    for (const std::string& name : EntriesEndingIn(directory_, kTemporarySuffix)) {
        const std::size_t dash = name.find('-');
        if (dash == 0 || dash == std::string::npos) continue;
        pid_t pid = 0;
        bool digits = true;
        for (std::size_t i = 0; i < dash && digits; ++i) {
            digits = name[i] >= '0' && name[i] <= '9' && pid < 100000000;
            pid = pid * 10 + (name[i] - '0');
        }
        if (digits && ::kill(pid, 0) != 0 && errno == ESRCH)
            ::unlink((directory_ + "/" + name).c_str());
    }
}
