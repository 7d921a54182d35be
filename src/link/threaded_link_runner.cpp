#include "link/threaded_link_runner.h"

#include "link/receiver_link.h"

ThreadedLinkRunner::ThreadedLinkRunner(CReceiverLink& link, Poster post)
    : link_(link), post_(std::move(post)), thread_([this] { RunJobs(); }) {}

ThreadedLinkRunner::~ThreadedLinkRunner() {
    alive_.reset();
    {
        const std::lock_guard<std::mutex> lock(mutex_);
        queue_.DropQueries();
        stopping_ = true;
    }
    wake_.notify_one();
    thread_.join();
}

int ThreadedLinkRunner::Send(LineJobKind kind, const std::function<int(CReceiverLink&)>& work) {
    Push(CommandJob(kind, work));
    return LinkResult::kOk;
}

void ThreadedLinkRunner::Ask(LineJobKind kind, LineWork work) {
    Push({kind, std::move(work)});
}

void ThreadedLinkRunner::Push(LineJob job) {
    {
        const std::lock_guard<std::mutex> lock(mutex_);
        queue_.Push(std::move(job));
    }
    wake_.notify_one();
}

void ThreadedLinkRunner::RunJobs() {
    for (;;) {
        LineJob job;
        {
            std::unique_lock<std::mutex> lock(mutex_);
            wake_.wait(lock, [this] { return stopping_ || !queue_.Empty(); });
            if (!queue_.Pop(job)) return;  // stopping, and nothing left to send
        }
        LineReply reply = job.work(link_);
        if (!reply) continue;
        post_([token = token_, reply = std::move(reply)] {
            if (!token.expired()) reply();
        });
    }
}
