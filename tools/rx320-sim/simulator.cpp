#include "simulator.h"

#include <poll.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>

#include "stop_signal.h"

namespace {

// Bytes read ahead of the line pace. Reading no further leaves the rest in the terminal, so a
// flood fills the program's side as it would fill a real driver's output buffer.
constexpr std::size_t kReadAhead = 64;
constexpr int kReadChunk = 256;
constexpr const char* kReceiverLine = "1200 8N1";
// About a read time-out: a query behind this much backlog is bound to fail.
constexpr SimMicros kBacklogWorthNotingMs = 200;

std::string Seconds(double seconds) {
    char text[32];
    std::snprintf(text, sizeof text, "%g s", seconds);
    return text;
}

}  // namespace

Simulator::Simulator(const SimOptions& options)
    : options_(options),
      random_(options.seedGiven ? options.seed : std::random_device{}()),
      pacer_(options.lineDelay, options.baud),
      receiver_({options.version, options.unknownReply}, signal_, random_) {}

bool Simulator::Start(std::string& error) {
    StartSimClock();
    if (!log_.Open(options_.logPath, error)) return false;
    if (!InstallStopSignals()) {
        error = std::string("cannot set up signal handling: ") + std::strerror(errno);
        return false;
    }
    if (!pty_.Open(error)) return false;
    if (!options_.linkPath.empty() && !pty_.CreateLink(options_.linkPath, error)) return false;
    if (!options_.controlPath.empty() && !control_.Open(options_.controlPath, error)) return false;

    const SimMicros now = SimNow();
    for (const ControlCommand& command : options_.startCommands) Apply(command, "", now);
    if (options_.powerCycleAfterSeconds >= 0) {
        powerCycleTime_ = SecondsToMicros(options_.powerCycleAfterSeconds);
    }
    if (options_.vanishAfterSeconds >= 0) {
        vanishTime_ = SecondsToMicros(options_.vanishAfterSeconds);
    }
    lineSettings_ = pty_.LineSettings();

    char pace[64];
    std::snprintf(pace, sizeof pace, "%.2f ms per byte",
                  static_cast<double>(pacer_.ByteTime()) / kMicrosPerMs);
    log_.Event(now, "started on " + pty_.DevicePath() + ", line delay " +
                        (pacer_.Enabled() ? std::string(pace) : std::string("off")) + ", signal " +
                        signal_.Describe() + ", replies " + faults_.Describe());
    PowerOn(now);

    std::printf("DEVICE %s\n", pty_.DevicePath().c_str());
    std::fflush(stdout);
    return true;
}

int Simulator::Run() {
    while (!finished_) {
        SimMicros now = SimNow();
        HandleTimers(now);
        if (finished_) break;
        TakeArrivedBytes(now);
        SendDueBytes(now);
        if (finished_) break;

        pollfd fds[3];
        int count = 0;
        fds[count++] = {StopSignalFd(), POLLIN, 0};
        const int terminalIndex = count;
        short terminalEvents = 0;
        if (!poweredOn_ || !pacer_.Enabled() || incoming_.size() < kReadAhead) {
            terminalEvents |= POLLIN;
        }
        if (outputBlocked_) terminalEvents |= POLLOUT;
        fds[count++] = {pty_.MasterFd(), terminalEvents, 0};
        const int controlIndex = control_.Fd() >= 0 ? count : -1;
        if (controlIndex >= 0) fds[count++] = {control_.Fd(), POLLIN, 0};

        const int ready = ::poll(fds, static_cast<nfds_t>(count), PollTimeoutMs(SimNow()));
        if (ready < 0) {
            if (errno == EINTR) continue;
            Fail(SimNow(), std::string("poll failed: ") + std::strerror(errno));
            break;
        }
        now = SimNow();
        if (fds[0].revents != 0) {
            log_.Event(now, "stopped by signal");
            break;
        }
        if (controlIndex >= 0 && fds[controlIndex].revents != 0) ReadControl(now);
        const short terminal = fds[terminalIndex].revents;
        if (terminal & POLLOUT) outputBlocked_ = false;
        if (terminal & (POLLIN | POLLERR | POLLHUP | POLLNVAL)) {
            // The simulator's own slave descriptor keeps the terminal up, so a hang-up here
            // is a broken terminal; polling on would only spin.
            if (ReadTerminal(now) == 0 && (terminal & (POLLERR | POLLHUP | POLLNVAL))) {
                Fail(now, "the terminal hung up");
            }
        }
    }
    pty_.Close();
    control_.Close();
    return exitStatus_;
}

void Simulator::HandleTimers(SimMicros now) {
    if (vanishTime_ >= 0 && now >= vanishTime_) {
        vanishTime_ = -1;
        Vanish(now, "scheduled ");
        return;
    }
    if (powerCycleTime_ >= 0 && now >= powerCycleTime_) {
        powerCycleTime_ = -1;
        PowerOff(now, options_.offForSeconds, "scheduled ");
    }
    if (!poweredOn_ && now >= powerOnTime_) PowerOn(now);
}

void Simulator::TakeArrivedBytes(SimMicros now) {
    while (!incoming_.empty() && incoming_.front().time <= now) {
        framer_.Push(incoming_.front().value, incoming_.front().time);
        incoming_.pop_front();
    }
    if (incoming_.empty()) backlogNoted_ = false;
    ReceivedFrame frame;
    while (framer_.Next(!incoming_.empty(), frame)) HandleFrame(frame);
}

void Simulator::HandleFrame(const ReceivedFrame& frame) {
    CommandOutcome outcome = receiver_.Handle(frame);
    if (!outcome.reply.empty()) {
        const SimMicros readyTime = frame.time + SimMicros{faults_.slowMs} * kMicrosPerMs;
        outcome.meaning += SendReply(readyTime, outcome.reply);
    }
    log_.Command(frame.time, frame.bytes, outcome.meaning);
}

std::string Simulator::SendReply(SimMicros readyTime, const ReplyBytes& reply) {
    const ReplyBytes sent = DamageReply(faults_, reply, random_);
    for (std::uint8_t byte : sent) outgoing_.push_back({byte, pacer_.DepartureOf(readyTime)});
    std::string note = " -> " + (sent.empty() ? std::string("no reply") : HexBytes(sent));
    if (faults_.Describe() != "normal") note += " [" + faults_.Describe() + "]";
    return note;
}

void Simulator::SendDueBytes(SimMicros now) {
    if (outputBlocked_ || !pty_.IsOpen()) return;
    std::uint8_t due[kReadChunk];
    int count = 0;
    while (count < kReadChunk && count < static_cast<int>(outgoing_.size()) &&
           outgoing_[static_cast<std::size_t>(count)].time <= now) {
        due[count] = outgoing_[static_cast<std::size_t>(count)].value;
        ++count;
    }
    if (count == 0) return;
    const int written = pty_.Write(due, count);
    if (written < 0) {
        Fail(now, std::string("writing to the terminal failed: ") + std::strerror(errno));
        return;
    }
    if (written < count) outputBlocked_ = true;
    outgoing_.erase(outgoing_.begin(), outgoing_.begin() + written);
}

int Simulator::ReadTerminal(SimMicros now) {
    std::uint8_t buffer[kReadChunk];
    const int got = pty_.Read(buffer, kReadChunk);
    if (got < 0) {
        Fail(now, std::string("reading the terminal failed: ") + std::strerror(errno));
        return got;
    }
    if (got == 0) return got;
    NoteLineSettings(now);
    if (!poweredOn_) {
        log_.Command(now, std::vector<std::uint8_t>(buffer, buffer + got),
                     "lost: the receiver is switched off");
        return got;
    }
    for (int i = 0; i < got; ++i) incoming_.push_back({buffer[i], pacer_.ArrivalOf(now)});
    NoteBacklog(now);
    return got;
}

void Simulator::NoteBacklog(SimMicros now) {
    // A real line holds a program's write until its bytes are out; a pseudo-terminal takes it at
    // once, so here the bytes queue up instead and a query behind them waits for them. Said once
    // per burst, as it explains a query that times out.
    const SimMicros aheadMs = (incoming_.back().time - now) / kMicrosPerMs;
    if (aheadMs < kBacklogWorthNotingMs || backlogNoted_) return;
    backlogNoted_ = true;
    log_.Event(now, "the program is " + std::to_string(aheadMs) +
                        " ms ahead of the line (a pseudo-terminal does not hold its writes "
                        "back); what it sends next waits behind that");
}

void Simulator::ReadControl(SimMicros now) {
    for (const std::string& line : control_.TakeLines()) {
        ControlCommand command;
        std::string error;
        if (ParseControlCommand(line, command, error)) {
            Apply(command, line, now);
        } else {
            log_.Event(now, "control \"" + line + "\" rejected: " + error);
        }
    }
}

void Simulator::Apply(const ControlCommand& command, const std::string& text, SimMicros now) {
    // Control lines are acknowledged in the log, so whoever sent one can tell it was taken.
    const std::string prefix = text.empty() ? "" : "control \"" + text + "\": ";
    if (ApplyToFaults(command, faults_)) {
        if (!text.empty()) log_.Event(now, prefix + "replies " + faults_.Describe());
        return;
    }
    switch (command.action) {
        case ControlAction::Signal:
            signal_.UseFixedLevel(command.value);
            break;
        case ControlAction::Band:
            signal_.UseBand();
            break;
        case ControlAction::PowerCycle:
            PowerOff(now, command.value, prefix);
            return;
        case ControlAction::Vanish:
            Vanish(now, prefix);
            return;
        default:
            return;
    }
    if (!text.empty()) log_.Event(now, prefix + "signal " + signal_.Describe());
}

void Simulator::PowerOff(SimMicros now, double seconds, const std::string& cause) {
    poweredOn_ = false;
    powerOnTime_ = now + SecondsToMicros(seconds);
    framer_.Clear();
    incoming_.clear();
    outgoing_.clear();
    pacer_.Reset();
    log_.Event(now, cause + "power off for " + Seconds(seconds));
}

void Simulator::PowerOn(SimMicros now) {
    poweredOn_ = true;
    receiver_.PowerOn();
    std::string text = "power on";
    if (options_.banner) text += ", banner" + SendReply(now, PowerOnBanner());
    log_.Event(now, text);
}

void Simulator::Vanish(SimMicros now, const std::string& cause) {
    log_.Event(now, cause + "vanish: device " + pty_.DevicePath() + " closed");
    pty_.Close();
    finished_ = true;
}

void Simulator::NoteLineSettings(SimMicros now) {
    const std::string settings = pty_.LineSettings();
    if (settings == lineSettings_) return;
    lineSettings_ = settings;
    std::string text = "line settings " + settings;
    if (settings != kReceiverLine)
        text += std::string(" (the receiver needs ") + kReceiverLine + ")";
    log_.Event(now, text);
}

int Simulator::PollTimeoutMs(SimMicros now) const {
    SimMicros next = -1;
    const auto consider = [&next](SimMicros time) {
        if (time >= 0 && (next < 0 || time < next)) next = time;
    };
    if (!incoming_.empty()) consider(incoming_.front().time);
    if (!outgoing_.empty() && !outputBlocked_) consider(outgoing_.front().time);
    if (!poweredOn_) consider(powerOnTime_);
    consider(powerCycleTime_);
    consider(vanishTime_);
    if (next < 0) return -1;
    if (next <= now) return 0;
    // Rounded up: waking early would only spin.
    const SimMicros waitMs = (next - now + kMicrosPerMs - 1) / kMicrosPerMs;
    return static_cast<int>(std::min<SimMicros>(waitMs, 60000));
}

void Simulator::Fail(SimMicros now, const std::string& what) {
    log_.Event(now, what);
    exitStatus_ = 1;
    finished_ = true;
}
