#pragma once

#include <chrono>
#include <cstddef>
#include <cstdint>
#include <functional>

// The moment a blocking exchange must be over by, on the monotonic clock.
class Deadline {
  public:
    explicit Deadline(int timeoutMs);
    // Milliseconds left, rounded up; 0 once passed.
    int RemainingMs() const;
    bool Passed() const;

  private:
    std::chrono::steady_clock::time_point end_;
};

// Work that must go on while a read waits: fd readable calls serve (a process that waits for a
// partner's answer keeps answering the partner's own requests, so two programs asking each other
// cannot lock up until the time-out).
struct WhileWaiting {
    int fd = -1;
    std::function<void()> serve;
};

// Both work on non-blocking stream sockets, retry on EINTR and recompute the time left on every
// pass. False on an error, a peer that closed, or the deadline.
bool SendAllBefore(int fd, const std::uint8_t* data, std::size_t size, const Deadline& deadline);
bool ReceiveExactBefore(int fd, std::uint8_t* data, std::size_t size, const Deadline& deadline,
                        const WhileWaiting* whileWaiting = nullptr);
