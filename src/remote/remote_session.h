#pragma once

#include <cstddef>
#include <string>

#include "remote/command_executor.h"
#include "remote/remote_radio.h"

// One network client's conversation with the radio: bytes in, reply bytes out, with no I/O of its
// own. A line ends at a line feed or a carriage return; each line is answered as soon as it is
// complete, its commands in order.
class RemoteSession {
  public:
    // Longest line a client may send, line end not counted.
    static constexpr std::size_t kMaxLineLength = 1024;

    // The radio is not owned and must outlive the session.
    explicit RemoteSession(RemoteRadio& radio) : radio_(radio) {}

    // Takes the bytes a client sent and appends the replies to reply. Returns false when the
    // connection must end: the client quit, sent a line longer than kMaxLineLength, or sent
    // bytes that are not text (a NUL, a control character, a byte above 0x7E). Replies to the
    // lines before the one that ended it are still in reply; nothing more is read.
    bool Receive(const char* data, std::size_t size, std::string& reply);
    bool IsOpen() const { return open_; }

  private:
    void AnswerLine(std::string& reply);

    RemoteRadio& radio_;
    ClientState client_;
    std::string line_;
    bool open_ = true;
};
