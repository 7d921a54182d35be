#include "platform/posix/local_socket_bus.h"

#include <dirent.h>
#include <fcntl.h>
#include <signal.h>
#include <sys/socket.h>
#include <sys/stat.h>
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

}  // namespace

LocalSocketBus::~LocalSocketBus() {
    Close();
}

int LocalSocketBus::Open(const std::string& directory) {
    Close();
    const int directoryStatus = PrepareBusDirectory(directory);
    if (directoryStatus != 0) return directoryStatus;

    ScopedFd listener(::socket(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0));
    if (listener.Get() < 0) return 5;
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
    RemoveLeftoverTemporaries();
    return 0;
}

void LocalSocketBus::Close() {
    if (listenFd_ < 0) return;
    ::unlink(address_.c_str());
    ::close(listenFd_);
    listenFd_ = -1;
    address_.clear();
    directory_.clear();
}

void LocalSocketBus::ProcessPending() {
    ++nesting_;
    // One budget for every request read in this call, so clients that connect and stay silent
    // hold the caller for one time-out at most.
    const Deadline deadline(timeoutMs_);
    for (int handled = 0; handled < kMaxRequestsPerCall && listenFd_ >= 0; ++handled) {
        const int fd = ::accept4(listenFd_, nullptr, nullptr, SOCK_NONBLOCK | SOCK_CLOEXEC);
        if (fd < 0) {
            if (errno == EINTR || errno == ECONNABORTED) continue;
            break;  // nothing more waiting, or no descriptors left: the caller comes back
        }
        ScopedFd connection(fd);
        if (PeerIsThisUser(fd)) AnswerRequest(fd, deadline);
        if (deadline.Passed()) break;
    }
    --nesting_;
}

void LocalSocketBus::AnswerRequest(int connection, const Deadline& deadline) {
    std::uint8_t headerBytes[bus::kHeaderSize];
    if (!ReceiveExactBefore(connection, headerBytes, sizeof headerBytes, deadline)) return;
    bus::FrameHeader header;
    switch (bus::DecodeFrameHeader(headerBytes, header)) {
        case bus::HeaderCheck::Ok:
            break;
        case bus::HeaderCheck::BadMagic:
            Send(connection, bus::EncodeRefused(bus::RefusalReason::Malformed), deadline);
            return;
        case bus::HeaderCheck::BadVersion:
            Send(connection, bus::EncodeRefused(bus::RefusalReason::Unsupported), deadline);
            return;
        case bus::HeaderCheck::TooLarge:
            // Refused before a byte of the payload is read.
            Send(connection, bus::EncodeRefused(bus::RefusalReason::TooLarge), deadline);
            return;
    }

    const auto kind = static_cast<bus::FrameKind>(header.kind);
    if (kind == bus::FrameKind::TitleRequest) {
        Send(connection,
             header.length == 0 ? bus::EncodeTitleReply(title_)
                                : bus::EncodeRefused(bus::RefusalReason::Malformed),
             deadline);
        return;
    }
    if (kind != bus::FrameKind::CopyDataRequest) {
        Send(connection, bus::EncodeRefused(bus::RefusalReason::Unsupported), deadline);
        return;
    }

    std::vector<std::uint8_t> payload(header.length);
    if (!ReceiveExactBefore(connection, payload.data(), payload.size(), deadline)) return;
    std::uint32_t value = 0;
    const std::uint8_t* block = nullptr;
    std::size_t size = 0;
    if (!bus::DecodeCopyDataRequest(payload, value, block, size)) {
        Send(connection, bus::EncodeRefused(bus::RefusalReason::Malformed), deadline);
        return;
    }
    // A copy: the handler may replace itself while it runs.
    const CopyDataHandler handler = handler_;
    const std::int32_t result = handler ? handler(value, block, size) : 0;
    // The handler may have shown a message for longer than the sender waits; the answer then
    // finds nobody and is dropped.
    Send(connection, bus::EncodeCopyDataReply(result), Deadline(timeoutMs_));
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
    const WhileWaiting serveOwnRequests{listenFd_, [this] { ProcessPending(); }};
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
