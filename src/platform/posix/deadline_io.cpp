#include "platform/posix/deadline_io.h"

#include <poll.h>
#include <sys/socket.h>
#include <sys/types.h>

#include <cerrno>

Deadline::Deadline(int timeoutMs)
    : end_(std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs)) {}

int Deadline::RemainingMs() const {
    const auto left = end_ - std::chrono::steady_clock::now();
    if (left <= std::chrono::steady_clock::duration::zero()) return 0;
    return static_cast<int>(std::chrono::ceil<std::chrono::milliseconds>(left).count());
}

bool Deadline::Passed() const {
    return std::chrono::steady_clock::now() >= end_;
}

namespace {

// Waits until fd is ready for events; false when the deadline passed or poll failed.
bool WaitReady(int fd, short events, const Deadline& deadline, const WhileWaiting* whileWaiting) {
    while (true) {
        if (deadline.Passed()) return false;
        pollfd fds[2] = {{fd, events, 0}, {-1, POLLIN, 0}};
        nfds_t count = 1;
        if (whileWaiting != nullptr && whileWaiting->fd >= 0) {
            fds[1].fd = whileWaiting->fd;
            count = 2;
        }
        const int ready = ::poll(fds, count, deadline.RemainingMs());
        if (ready < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        if (count == 2 && (fds[1].revents & POLLIN) != 0) whileWaiting->serve();
        // Errors and hang-ups count as ready: the next send or receive reports them.
        if (fds[0].revents != 0) return true;
    }
}

}  // namespace

bool SendAllBefore(int fd, const std::uint8_t* data, std::size_t size, const Deadline& deadline) {
    std::size_t sent = 0;
    while (sent < size) {
        // MSG_NOSIGNAL: a partner that went away must not end this process with SIGPIPE.
        const ssize_t count = ::send(fd, data + sent, size - sent, MSG_NOSIGNAL | MSG_DONTWAIT);
        if (count > 0) {
            sent += static_cast<std::size_t>(count);
            continue;
        }
        if (count < 0 && errno == EINTR) continue;
        if (count < 0 && (errno == EAGAIN || errno == EWOULDBLOCK)) {
            if (!WaitReady(fd, POLLOUT, deadline, nullptr)) return false;
            continue;
        }
        return false;
    }
    return true;
}

bool ReceiveExactBefore(int fd, std::uint8_t* data, std::size_t size, const Deadline& deadline,
                        const WhileWaiting* whileWaiting) {
    std::size_t received = 0;
    while (received < size) {
        const ssize_t count = ::recv(fd, data + received, size - received, MSG_DONTWAIT);
        if (count > 0) {
            received += static_cast<std::size_t>(count);
            continue;
        }
        if (count == 0) return false;  // the peer closed before the whole frame came
        if (errno == EINTR) continue;
        if (errno == EAGAIN || errno == EWOULDBLOCK) {
            if (!WaitReady(fd, POLLIN, deadline, whileWaiting)) return false;
            continue;
        }
        return false;
    }
    return true;
}
