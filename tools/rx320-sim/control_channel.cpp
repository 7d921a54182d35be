#include "control_channel.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace {

constexpr std::size_t kLongestLine = 256;

}  // namespace

ControlChannel::~ControlChannel() {
    Close();
}

bool ControlChannel::Open(const std::string& path, std::string& error) {
    struct stat existing {};
    if (::stat(path.c_str(), &existing) == 0) {
        if (!S_ISFIFO(existing.st_mode)) {
            error = path + " exists and is not a FIFO";
            return false;
        }
    } else if (::mkfifo(path.c_str(), 0600) == 0) {
        created_ = true;
    } else {
        error = "cannot create FIFO " + path + ": " + std::strerror(errno);
        return false;
    }
    path_ = path;
    // Non-blocking: opening the read end must not wait for a writer, nor reading for data.
    readFd_ = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (readFd_ >= 0) keepAliveFd_ = ::open(path.c_str(), O_WRONLY | O_NONBLOCK | O_CLOEXEC);
    if (readFd_ < 0 || keepAliveFd_ < 0) {
        error = "cannot open FIFO " + path + ": " + std::strerror(errno);
        Close();
        return false;
    }
    return true;
}

void ControlChannel::Close() {
    if (readFd_ >= 0) ::close(readFd_);
    if (keepAliveFd_ >= 0) ::close(keepAliveFd_);
    readFd_ = -1;
    keepAliveFd_ = -1;
    if (created_) ::unlink(path_.c_str());
    created_ = false;
}

std::vector<std::string> ControlChannel::TakeLines() {
    std::vector<std::string> lines;
    char buffer[512];
    for (;;) {
        const ssize_t got = ::read(readFd_, buffer, sizeof buffer);
        if (got < 0 && errno == EINTR) continue;
        if (got <= 0) break;
        for (ssize_t i = 0; i < got; ++i) {
            const char c = buffer[i];
            if (c == '\n') {
                if (!discarding_) lines.push_back(partial_);
                partial_.clear();
                discarding_ = false;
            } else if (partial_.size() >= kLongestLine) {
                partial_.clear();
                discarding_ = true;
            } else if (!discarding_ && c != '\r') {
                // The line goes into the log; keep it printable.
                partial_ += (c >= ' ' && c <= '~') ? c : '?';
            }
        }
    }
    return lines;
}
