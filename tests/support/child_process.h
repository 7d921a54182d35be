#pragma once

#include <functional>

// How a child process ended.
struct ChildOutcome {
    bool exited = false;  // ended by returning; exitCode holds the result
    int exitCode = -1;
    int signal = 0;  // the signal that ended it, when it did not return
};

// Runs body in a forked copy of this process and waits for it; body's result (0..255) is the
// child's exit status. For what the test process itself must not suffer: a signal that kills, a
// lowered limit, rights given up.
ChildOutcome RunInChild(const std::function<int()>& body);

// In a child run as root: gives up root's rights for good and runs as the unprivileged user and
// group uid (supplementary groups dropped). False when that failed.
bool BecomeUnprivileged(unsigned uid);
