#include "platform/posix/transfer_loop.h"

#include <cerrno>

int TransferBefore(int count, const TransferSteps& steps) {
    int done = 0;
    bool lastPass = false;
    while (done < count) {
        const ssize_t n = steps.move(done);
        if (n > 0) {
            done += static_cast<int>(n);
            continue;
        }
        if (n < 0 && errno == EINTR) continue;
        if (n < 0 && errno != EAGAIN && errno != EWOULDBLOCK) {
            steps.failed(errno);
            break;
        }
        // Nothing moved now (a raw line reads 0 then).
        if (lastPass) break;
        // A thread that waits for the processor can see its deadline pass with the reply already
        // in the driver (a loaded machine, a late but timely answer): read what is there before
        // calling it a time-out.
        if (!steps.waitReady()) lastPass = true;
    }
    return done;
}
