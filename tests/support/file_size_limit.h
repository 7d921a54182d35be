#pragma once

#include <cstdint>

// While it lives, no file this process writes may grow beyond maxBytes: a write past the limit
// fails with EFBIG (the SIGXFSZ signal is ignored meanwhile). Unlike file permissions this binds
// root as well, so it gives tests a real write failure wherever they run.
class FileSizeLimit {
  public:
    explicit FileSizeLimit(std::uint64_t maxBytes);
    ~FileSizeLimit();
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

    // False when the limit could not be set; the test should then be skipped.
    bool Active() const { return active_; }

  private:
    bool active_ = false;
    std::uint64_t previousSoft_ = 0;
    void (*previousHandler_)(int) = nullptr;
};

// Limits the size of every file this process writes to maxBytes, for good, leaving SIGXFSZ as it
// is: for a child process (RunInChild). False when the limit could not be set.
bool LimitFileSize(std::uint64_t maxBytes);

// True when the process runs with root's rights, which file permissions do not stop.
bool RunningAsRoot();
