#include "platform/posix/transfer_loop.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <string>

namespace {

// A driver buffer that a read step drains; waitReady plays the clock and the far end.
struct FakeLine {
    std::string arrived;
    std::string taken;
    int waits = 0;
    int failures = 0;

    TransferSteps Reading(int count, const std::function<bool(FakeLine&)>& waitReady) {
        return TransferSteps{[this, count](int done) -> ssize_t {
                                 const auto n = std::min<std::size_t>(
                                     arrived.size(), static_cast<std::size_t>(count - done));
                                 if (n == 0) {
                                     errno = EAGAIN;
                                     return -1;
                                 }
                                 taken += arrived.substr(0, n);
                                 arrived.erase(0, n);
                                 return static_cast<ssize_t>(n);
                             },
                             [this, waitReady] {
                                 ++waits;
                                 return waitReady(*this);
                             },
                             [this](int) { ++failures; }};
    }
};

TEST(TransferLoopTest, BytesThatArriveAsTheDeadlinePassesAreStillRead) {
    FakeLine line;
    line.arrived = "X";
    // The thread sleeps past its deadline while the rest of the reply lands in the driver.
    const int read = TransferBefore(4, line.Reading(4, [](FakeLine& l) {
        l.arrived += std::string("\x01\x02\r", 3);
        return false;
    }));
    EXPECT_EQ(read, 4);
    EXPECT_EQ(line.taken, std::string("X\x01\x02\r", 4));
}

TEST(TransferLoopTest, SilenceEndsAfterOneLastLookWithoutWaitingAgain) {
    FakeLine line;
    line.arrived = "VE";
    const int read = TransferBefore(7, line.Reading(7, [](FakeLine&) { return false; }));
    EXPECT_EQ(read, 2);
    EXPECT_EQ(line.waits, 1);
}

TEST(TransferLoopTest, AnErrorEndsTheTransferAndIsReported) {
    FakeLine line;
    TransferSteps steps = line.Reading(4, [](FakeLine&) { return true; });
    steps.move = [](int) -> ssize_t {
        errno = EIO;
        return -1;
    };
    EXPECT_EQ(TransferBefore(4, steps), 0);
    EXPECT_EQ(line.failures, 1);
    EXPECT_EQ(line.waits, 0);
}

}  // namespace
