#pragma once

#include <deque>
#include <random>
#include <string>

#include "command_framer.h"
#include "command_log.h"
#include "control_channel.h"
#include "line_pacer.h"
#include "pty_device.h"
#include "reply_faults.h"
#include "signal_source.h"
#include "sim_options.h"
#include "simulated_receiver.h"

// The simulator's one loop: takes bytes from the pseudo-terminal at line pace, frames them into
// commands for the receiver, sends its replies through the faults at line pace, and follows the
// control channel and the scheduled power cycle and vanishing. Single-threaded, driven by poll.
class Simulator {
  public:
    explicit Simulator(const SimOptions& options);

    // Creates the device (and link, log, control FIFO) and prints "DEVICE <path>" on standard
    // output; false with a reason in error.
    bool Start(std::string& error);
    // Runs until a stop signal or vanishing; returns the exit status (0 clean, 1 failure).
    int Run();

  private:
    void HandleTimers(SimMicros now);
    void TakeArrivedBytes(SimMicros now);
    void HandleFrame(const ReceivedFrame& frame);
    // Sends reply bytes that may start at readyTime, after the faults have had their way; returns
    // what the log says about it (" -> 58 02 C4 0D").
    std::string SendReply(SimMicros readyTime, const ReplyBytes& reply);
    void SendDueBytes(SimMicros now);
    // Bytes read, 0 when none were waiting, -1 after a failure.
    int ReadTerminal(SimMicros now);
    void NoteBacklog(SimMicros now);
    void ReadControl(SimMicros now);
    void Apply(const ControlCommand& command, const std::string& text, SimMicros now);
    // cause starts the log line: "scheduled ", or the control line's acknowledgement.
    void PowerOff(SimMicros now, double seconds, const std::string& cause);
    void PowerOn(SimMicros now);
    void Vanish(SimMicros now, const std::string& cause);
    void NoteLineSettings(SimMicros now);
    // ms until the next timed thing is due; -1 when nothing is.
    int PollTimeoutMs(SimMicros now) const;
    void Fail(SimMicros now, const std::string& what);

    SimOptions options_;
    std::mt19937 random_;
    CommandLog log_;
    PtyDevice pty_;
    ControlChannel control_;
    LinePacer pacer_;
    CommandFramer framer_;
    SignalSource signal_;
    SimulatedReceiver receiver_;
    ReplyFaults faults_;

    std::deque<TimedByte> incoming_;  // read from the terminal, still on the line
    std::deque<TimedByte> outgoing_;  // reply bytes, each sent once its time has come
    bool outputBlocked_ = false;      // the terminal took no more; wait until it is writable
    bool poweredOn_ = true;
    SimMicros powerOnTime_ = 0;
    SimMicros powerCycleTime_ = -1;  // scheduled by --power-cycle-after
    SimMicros vanishTime_ = -1;      // scheduled by --vanish-after
    bool backlogNoted_ = false;      // the current burst's backlog is in the log
    std::string lineSettings_;
    bool finished_ = false;
    int exitStatus_ = 0;
};
