#pragma once

#include "link/line_queue.h"
#include "link/link_runner.h"
#include "link/receiver_link.h"

// Queues the link's jobs as the worker thread would, but runs them only when the test says, so
// a test decides exactly which jobs are still waiting when the next one comes.
class SteppedLinkRunner : public LinkRunner {
  public:
    explicit SteppedLinkRunner(CReceiverLink& link) : link_(link) {}

    int Send(LineJobKind kind, const std::function<int(CReceiverLink&)>& work) override {
        queue_.Push(CommandJob(kind, work));
        return LinkResult::kOk;
    }
    void Ask(LineJobKind kind, LineWork work) override { queue_.Push({kind, std::move(work)}); }

    // Runs the next job and its reply, as the worker and then the event loop would; false when
    // nothing waits.
    bool RunNext() {
        LineJob job;
        if (!queue_.Pop(job)) return false;
        const LineReply reply = job.work(link_);
        if (reply) reply();
        return true;
    }
    void RunAll() {
        while (RunNext()) {
        }
    }
    std::size_t Waiting() const { return queue_.Size(); }

  private:
    CReceiverLink& link_;
    LineQueue queue_;
};
