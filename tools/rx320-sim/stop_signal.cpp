#include "stop_signal.h"

#include <fcntl.h>
#include <unistd.h>

#include <csignal>
#include <initializer_list>

namespace {

int pipeFds[2] = {-1, -1};

void OnStopSignal(int) {
    const char byte = 1;
    // Nothing to do on failure: a full pipe already says "stop".
    [[maybe_unused]] const ssize_t ignored = ::write(pipeFds[1], &byte, 1);
}

bool MakeNonBlocking(int fd) {
    const int flags = fcntl(fd, F_GETFL);
    return flags >= 0 && fcntl(fd, F_SETFL, flags | O_NONBLOCK) == 0 &&
           fcntl(fd, F_SETFD, FD_CLOEXEC) == 0;
}

}  // namespace

bool InstallStopSignals() {
    if (::pipe(pipeFds) != 0) return false;
    if (!MakeNonBlocking(pipeFds[0]) || !MakeNonBlocking(pipeFds[1])) return false;
    struct sigaction action {};
    action.sa_handler = OnStopSignal;
    sigemptyset(&action.sa_mask);
    for (int signal : {SIGINT, SIGTERM, SIGHUP}) {
        if (sigaction(signal, &action, nullptr) != 0) return false;
    }
    struct sigaction ignore {};
    ignore.sa_handler = SIG_IGN;
    sigemptyset(&ignore.sa_mask);
    return sigaction(SIGPIPE, &ignore, nullptr) == 0;
}

int StopSignalFd() {
    return pipeFds[0];
}
