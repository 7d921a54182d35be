#pragma once

#include <cstddef>
#include <deque>

#include "link/line_job.h"

// The jobs waiting for the serial line, in order. A setter replaces a waiting setter of its kind
// in place, so a flick of the tuning knob costs one command, not one per notch, and the newest
// value goes out as early as the oldest would have; a new setter goes ahead of the queries
// waiting at the end, each of which it passes only once. Nothing passes a port change.
class LineQueue {
  public:
    void Push(LineJob job);
    // False when nothing is waiting.
    bool Pop(LineJob& job);
    // Drops the queries still waiting; their answers would come too late to matter.
    void DropQueries();
    bool Empty() const { return jobs_.empty(); }
    std::size_t Size() const { return jobs_.size(); }

  private:
    std::deque<LineJob> jobs_;
};
