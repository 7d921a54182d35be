#include "support/child_process.h"

#include <grp.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>

ChildOutcome RunInChild(const std::function<int()>& body) {
    ChildOutcome outcome;
    const pid_t child = ::fork();
    if (child < 0) return outcome;
    if (child == 0) {
        // _exit: the child must not run the parent's exit handlers or flush its buffers twice.
        ::_exit(body());
    }
    int status = 0;
    pid_t waited = -1;
    do {
        waited = ::waitpid(child, &status, 0);
    } while (waited < 0 && errno == EINTR);
    if (waited != child) return outcome;
    if (WIFEXITED(status)) {
        outcome.exited = true;
        outcome.exitCode = WEXITSTATUS(status);
    } else if (WIFSIGNALED(status)) {
        outcome.signal = WTERMSIG(status);
    }
    return outcome;
}

bool BecomeUnprivileged(unsigned uid) {
    return ::setgroups(0, nullptr) == 0 && ::setgid(static_cast<gid_t>(uid)) == 0 &&
           ::setuid(static_cast<uid_t>(uid)) == 0;
}
