#pragma once

#include <functional>

class CReceiverLink;

// What a job on the link does, so that a newer job can take the place of one still waiting.
enum class LineJobKind {
    // Setters: each sets one part of the receiver state, so a newer one of the same kind makes a
    // waiting one pointless.
    Mode,
    Agc,
    Filter,
    Volume,
    LineLevel,
    Frequency,
    PassbandShift,
    CwFrequency,
    Correction,
    // Opens or closes the port: no setter is merged across it, as it may lead to another receiver.
    Port,
    // Asks the receiver something; never merged, never replaced.
    Query,
};

// Work for the link, run on the thread that owns the line; what it returns (possibly nothing)
// runs afterwards on the thread that handed the work in.
using LineReply = std::function<void()>;
using LineWork = std::function<LineReply(CReceiverLink&)>;

struct LineJob {
    LineJobKind kind = LineJobKind::Query;
    LineWork work;
    // A query a setter went ahead of; the queue lets that happen once.
    bool overtaken = false;
};

// A command for the line that nobody waits for: its result stays on the line's thread.
inline LineJob CommandJob(LineJobKind kind, std::function<int(CReceiverLink&)> send) {
    return {kind, [send = std::move(send)](CReceiverLink& link) {
                send(link);
                return LineReply();
            }};
}
