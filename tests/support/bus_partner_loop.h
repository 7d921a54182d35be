#pragma once

#include <poll.h>

#include <atomic>
#include <thread>

#include "platform/posix/local_socket_bus.h"

// Runs a bus's event loop on a thread of its own, as the partner process would, until the object
// goes. The bus must not be touched from elsewhere meanwhile. Header-only: the support library
// links the core alone, and only tests that link the POSIX layer use this.
class BusPartnerLoop {
  public:
    explicit BusPartnerLoop(LocalSocketBus& bus)
        : thread_([this, &bus] {
              while (!stop_) {
                  pollfd ready{bus.Fd(), POLLIN, 0};
                  if (::poll(&ready, 1, 10) > 0) bus.ProcessPending();
              }
          }) {}
    ~BusPartnerLoop() {
        stop_ = true;
        thread_.join();
    }
    BusPartnerLoop(const BusPartnerLoop&) = delete;
    BusPartnerLoop& operator=(const BusPartnerLoop&) = delete;

  private:
    std::atomic<bool> stop_{false};
    std::thread thread_;
};
