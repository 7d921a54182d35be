#include "platform/posix/process_signals.h"

#include <csignal>

void SetUpProcessSignals() {
    std::signal(SIGXFSZ, SIG_IGN);
}
