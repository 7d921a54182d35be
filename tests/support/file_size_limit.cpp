#include "support/file_size_limit.h"

#include <sys/resource.h>
#include <unistd.h>

#include <csignal>

FileSizeLimit::FileSizeLimit(std::uint64_t maxBytes) {
    rlimit limit{};
    if (::getrlimit(RLIMIT_FSIZE, &limit) != 0) return;
    previousSoft_ = limit.rlim_cur;
    previousHandler_ = std::signal(SIGXFSZ, SIG_IGN);
    active_ = LimitFileSize(maxBytes);
    if (!active_) std::signal(SIGXFSZ, previousHandler_);
}

FileSizeLimit::~FileSizeLimit() {
    if (!active_) return;
    rlimit limit{};
    ::getrlimit(RLIMIT_FSIZE, &limit);
    limit.rlim_cur = static_cast<rlim_t>(previousSoft_);
    ::setrlimit(RLIMIT_FSIZE, &limit);
    std::signal(SIGXFSZ, previousHandler_);
}

bool LimitFileSize(std::uint64_t maxBytes) {
    rlimit limit{};
    if (::getrlimit(RLIMIT_FSIZE, &limit) != 0) return false;
    limit.rlim_cur = static_cast<rlim_t>(maxBytes);
    return ::setrlimit(RLIMIT_FSIZE, &limit) == 0;
}

bool RunningAsRoot() {
    return ::geteuid() == 0;
}
