#include "link/threaded_link_runner.h"

#include <gtest/gtest.h>

#include <condition_variable>
#include <future>
#include <mutex>
#include <vector>

#include "link/receiver_link.h"
#include "support/scripted_serial_device.h"

namespace {

using Bytes = ScriptedSerialDevice::Bytes;

// A link on an open scripted port, and a poster that keeps replies for the test to run, as an
// event loop on the window thread would.
class ThreadedLinkRunnerTest : public testing::Test {
  protected:
    ThreadedLinkRunnerTest() {
        device.AnswerTo({'?', 0x0D}, {'V', 'E', 'R', ' ', '1', '0', '3', 0x0D});
        link.Connect(1);
    }
    ThreadedLinkRunner::Poster Poster() {
        return [this](std::function<void()> reply) {
            const std::lock_guard<std::mutex> lock(mutex);
            replies.push_back(std::move(reply));
            arrived.notify_all();
        };
    }
    // Waits (as a hang guard, not a measurement) until count replies were posted.
    bool WaitForReplies(std::size_t count) {
        std::unique_lock<std::mutex> lock(mutex);
        return arrived.wait_for(lock, std::chrono::seconds(30),
                                [&] { return replies.size() >= count; });
    }

    ScriptedSerialDevice device;
    ComPortMap ports;
    CReceiverLink link{device, ports};
    std::mutex mutex;
    std::condition_variable arrived;
    std::vector<std::function<void()>> replies;
};

TEST_F(ThreadedLinkRunnerTest, AnswersComeBackThroughThePosterInLineWithTheCommands) {
    int version = 0;
    {
        ThreadedLinkRunner runner(link, Poster());
        runner.Send(LineJobKind::Volume, [](CReceiverLink& l) { return l.SetVolume(20); });
        runner.Ask(LineJobKind::Query, [&version](CReceiverLink& l) {
            int answered = 0;
            l.QueryVersion(answered);
            return LineReply([&version, answered] { version = answered; });
        });
        ASSERT_TRUE(WaitForReplies(1));
        EXPECT_EQ(version, 0) << "a reply runs only where the poster runs it";
        replies[0]();
        EXPECT_EQ(version, 103);
    }
    EXPECT_EQ(device.writes, (std::vector<Bytes>{{'V', 0x00, 43, 0x0D}, {'?', 0x0D}}));
}

TEST_F(ThreadedLinkRunnerTest, CommandsStillWaitingAtTheEndAreSentAndLateRepliesDoNothing) {
    bool replied = false;
    {
        ThreadedLinkRunner runner(link, Poster());
        std::promise<void> release;
        std::shared_future<void> released = release.get_future().share();
        runner.Ask(LineJobKind::Query, [released, &replied](CReceiverLink&) {
            released.wait();
            return LineReply([&replied] { replied = true; });
        });
        runner.Send(LineJobKind::Volume, [](CReceiverLink& l) { return l.SetVolume(0); });
        runner.Send(LineJobKind::LineLevel, [](CReceiverLink& l) { return l.SetLineLevel(0); });
        release.set_value();
    }
    EXPECT_EQ(device.writes, (std::vector<Bytes>{{'V', 0x00, 63, 0x0D}, {'A', 0x00, 63, 0x0D}}));
    for (const auto& reply : replies) reply();
    EXPECT_FALSE(replied) << "the reply reached a runner that is gone";
}

}  // namespace
