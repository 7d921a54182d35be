#include "command_framer.h"

#include <utility>

namespace {

constexpr std::uint8_t kCr = 0x0D;

}  // namespace

int CommandFramer::CommandLength(std::uint8_t first) {
    struct Command {
        std::uint8_t letter;
        int length;
    };
    static constexpr Command kCommands[] = {
        {'N', 8},  // coarse, fine and BFO, two bytes each
        {'M', 3},  // mode digit
        {'G', 3},  // AGC digit
        {'W', 3},  // filter code
        {'V', 4},  // 0x00, speaker attenuation
        {'A', 4},  // 0x00, line-out attenuation
        {'?', 2},  // firmware version
        {'X', 2},  // signal strength
    };
    for (const Command& command : kCommands) {
        if (command.letter == first) return command.length;
    }
    return 0;
}

void CommandFramer::Push(std::uint8_t byte, SimMicros arrival) {
    pending_.push_back({byte, arrival});
}

bool CommandFramer::Next(bool moreComing, ReceivedFrame& frame) {
    while (!pending_.empty()) {
        const auto length = static_cast<std::size_t>(CommandLength(pending_.front().value));
        if (length == 0) {
            SkipAsGarbage();
            continue;
        }
        if (pending_.size() < length) break;  // wait for the rest of the command
        if (pending_[length - 1].value != kCr) {
            SkipAsGarbage();
            continue;
        }
        // Garbage goes out first so the log keeps the order of the line.
        if (TakeGarbage(frame)) return true;
        frame = ReceivedFrame{};
        frame.time = pending_[length - 1].time;
        for (std::size_t i = 0; i < length; ++i) {
            frame.bytes.push_back(pending_.front().value);
            pending_.pop_front();
        }
        return true;
    }
    // Bytes still pending belong to a command that may yet complete; garbage before them is
    // final.
    if (moreComing && pending_.empty()) return false;
    return TakeGarbage(frame);
}

void CommandFramer::Clear() {
    pending_.clear();
    garbage_ = ReceivedFrame{};
}

void CommandFramer::SkipAsGarbage() {
    garbage_.bytes.push_back(pending_.front().value);
    garbage_.time = pending_.front().time;
    pending_.pop_front();
}

bool CommandFramer::TakeGarbage(ReceivedFrame& frame) {
    if (garbage_.bytes.empty()) return false;
    frame = std::move(garbage_);
    frame.garbage = true;
    garbage_ = ReceivedFrame{};
    return true;
}
