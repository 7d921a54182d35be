#pragma once

#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

#include "sim_clock.h"

// The simulator's log: one line per received command ("12.345 4E ... 0D tune ..."), and event
// lines ("12.345 -- power off for 5 s"). Each line is flushed at once, so a test can read the file
// while the simulator runs.
class CommandLog {
  public:
    CommandLog() = default;
    ~CommandLog();
    CommandLog(const CommandLog&) = delete;
    CommandLog& operator=(const CommandLog&) = delete;

    // Starts path afresh, or writes to standard error when path is empty; false with a reason.
    bool Open(const std::string& path, std::string& error);

    void Command(SimMicros time, const std::vector<std::uint8_t>& bytes,
                 const std::string& meaning);
    void Event(SimMicros time, const std::string& text);

  private:
    void WriteLine(const std::string& line);

    std::FILE* file_ = nullptr;
    bool ownsFile_ = false;
};

// "4E 51 68": bytes in upper-case hex, separated by blanks.
std::string HexBytes(const std::vector<std::uint8_t>& bytes);
