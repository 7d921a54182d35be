#pragma once

#include <sys/types.h>

#include <functional>

// The parts of one blocking transfer over a non-blocking descriptor.
struct TransferSteps {
    // Moves what it can now at offset done; the result and errno of a read or write.
    std::function<ssize_t(int done)> move;
    // Waits until the descriptor is ready again; false once the deadline passed or it is gone.
    std::function<bool()> waitReady;
    // Takes an errno that is neither EINTR nor would-block; the transfer ends after it.
    std::function<void(int errorNumber)> failed;
};

// Moves count bytes by repeated steps; returns how many moved. At the deadline it still moves
// what has arrived meanwhile, once, before it gives up.
int TransferBefore(int count, const TransferSteps& steps);
