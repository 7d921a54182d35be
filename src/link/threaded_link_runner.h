#pragma once

#include <condition_variable>
#include <memory>
#include <mutex>
#include <thread>

#include "link/line_queue.h"
#include "link/link_runner.h"

// Runs the link's jobs on a thread of their own, so the caller never waits for the 1200-baud
// line: a tuning command holds the line 67 ms, the whole state over half a second. Replies are
// handed to post, which must run them on the caller's thread; none runs once the runner is gone.
class ThreadedLinkRunner : public LinkRunner {
  public:
    using Poster = std::function<void(std::function<void()>)>;

    // The link is used only from the runner's thread from now on; it must outlive the runner.
    ThreadedLinkRunner(CReceiverLink& link, Poster post);
    // Sends the commands still waiting (a mute at exit must reach the receiver), drops the
    // queries, and ends the thread.
    ~ThreadedLinkRunner() override;
    ThreadedLinkRunner(const ThreadedLinkRunner&) = delete;
    ThreadedLinkRunner& operator=(const ThreadedLinkRunner&) = delete;

    int Send(LineJobKind kind, const std::function<int(CReceiverLink&)>& work) override;
    void Ask(LineJobKind kind, LineWork work) override;

  private:
    void Push(LineJob job);
    void RunJobs();

    CReceiverLink& link_;
    Poster post_;
    // Replies check the token on the caller's thread: the runner may be gone by then.
    std::shared_ptr<int> alive_ = std::make_shared<int>(0);
    const std::weak_ptr<int> token_ = alive_;
    std::mutex mutex_;
    std::condition_variable wake_;
    LineQueue queue_;
    bool stopping_ = false;
    std::thread thread_;
};
