#pragma once

#include "link/line_job.h"

// Where the link's work runs. Jobs run in the order they are handed in, except that a setter
// still waiting is replaced by a newer one of its kind (see LineQueue).
class LinkRunner {
  public:
    virtual ~LinkRunner() = default;
    // Returns the link's result when the work ran at once, LinkResult::kOk when it was queued.
    virtual int Send(LineJobKind kind, const std::function<int(CReceiverLink&)>& work) = 0;
    // The reply the work returns runs on the caller's thread, never inside this call's work.
    virtual void Ask(LineJobKind kind, LineWork work) = 0;
};
