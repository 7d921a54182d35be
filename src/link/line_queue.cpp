#include "link/line_queue.h"

#include <algorithm>
#include <iterator>

namespace {

bool IsSetter(LineJobKind kind) {
    return kind != LineJobKind::Port && kind != LineJobKind::Query;
}

}  // namespace

void LineQueue::Push(LineJob job) {
    if (IsSetter(job.kind)) {
        for (auto waiting = jobs_.rbegin(); waiting != jobs_.rend(); ++waiting) {
            if (waiting->kind == LineJobKind::Port) break;
            if (waiting->kind == job.kind) {
                waiting->work = std::move(job.work);
                return;
            }
        }
        // A query waiting at the end is only asking; the change the user made goes first, so a
        // signal poll never stands between the last notch of a flick and the receiver. Once
        // only: a stream of changes must not starve the meter.
        auto place = jobs_.end();
        while (place != jobs_.begin() && std::prev(place)->kind == LineJobKind::Query &&
               !std::prev(place)->overtaken) {
            --place;
        }
        for (auto query = place; query != jobs_.end(); ++query) query->overtaken = true;
        jobs_.insert(place, std::move(job));
        return;
    }
    jobs_.push_back(std::move(job));
}

bool LineQueue::Pop(LineJob& job) {
    if (jobs_.empty()) return false;
    job = std::move(jobs_.front());
    jobs_.pop_front();
    return true;
}

void LineQueue::DropQueries() {
    jobs_.erase(std::remove_if(jobs_.begin(), jobs_.end(),
                               [](const LineJob& job) { return job.kind == LineJobKind::Query; }),
                jobs_.end());
}
