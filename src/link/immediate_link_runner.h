#pragma once

#include "link/link_runner.h"

// Runs every job at once on the caller's thread, waiting for the line: the link's results come
// back unchanged. For tools, benchmarks and tests that step time themselves.
class ImmediateLinkRunner : public LinkRunner {
  public:
    explicit ImmediateLinkRunner(CReceiverLink& link) : link_(link) {}

    int Send(LineJobKind, const std::function<int(CReceiverLink&)>& work) override {
        return work(link_);
    }
    void Ask(LineJobKind, LineWork work) override {
        const LineReply reply = work(link_);
        if (reply) reply();
    }

  private:
    CReceiverLink& link_;
};
