#pragma once

#include <string>
#include <vector>

// The run-time control input: a FIFO that takes text lines ("silent", "slow 300"). Any number of
// writers may come and go (echo silent > PATH); the simulator keeps a write end open itself so
// the FIFO never reports end-of-file between them.
class ControlChannel {
  public:
    ControlChannel() = default;
    ~ControlChannel();
    ControlChannel(const ControlChannel&) = delete;
    ControlChannel& operator=(const ControlChannel&) = delete;

    // Uses the FIFO at path, creating it when nothing is there; false with a reason for
    // anything that is not a FIFO.
    bool Open(const std::string& path, std::string& error);
    // Closes it and removes the FIFO if Open created it.
    void Close();

    int Fd() const { return readFd_; }
    // Reads what is waiting and returns the lines completed by it, without line ends and with
    // unprintable bytes as '?'. A line longer than any command is dropped rather than kept
    // growing.
    std::vector<std::string> TakeLines();

  private:
    int readFd_ = -1;
    int keepAliveFd_ = -1;
    std::string path_;
    bool created_ = false;
    std::string partial_;
    bool discarding_ = false;  // inside an over-long line
};
