#pragma once

#include <cstdint>
#include <deque>
#include <vector>

#include "line_pacer.h"

// One command as the receiver takes it, or a run of bytes it could not take.
struct ReceivedFrame {
    std::vector<std::uint8_t> bytes;
    SimMicros time = 0;    // arrival of the last byte
    bool garbage = false;  // true: unknown first byte, or no CR where the command ends
};

// Cuts the received byte stream into commands by their known lengths. Tuning, filter and level
// commands carry raw bytes that may be 0x0D, so a CR is only ever checked at the position where
// a command must end. Anything else is garbage: one byte is skipped and the rest examined again,
// so the framer finds its way back into any stream.
class CommandFramer {
  public:
    // Length in bytes of the command that starts with this byte (CR included); 0 for none.
    static int CommandLength(std::uint8_t first);

    void Push(std::uint8_t byte, SimMicros arrival);

    // Takes the next complete command, or the garbage in front of it, in stream order. A run of
    // garbage at the end is held back while moreComing says further bytes are on their way, so
    // one burst of noise is reported once. False when nothing can be taken yet.
    bool Next(bool moreComing, ReceivedFrame& frame);

    // Forgets everything received so far (the receiver lost power).
    void Clear();

  private:
    void SkipAsGarbage();
    bool TakeGarbage(ReceivedFrame& frame);

    std::deque<TimedByte> pending_;
    ReceivedFrame garbage_;
};
