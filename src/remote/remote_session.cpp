#include "remote/remote_session.h"

#include "remote/command_line.h"
#include "remote/reply_text.h"

namespace {

bool IsLineEnd(char c) {
    return c == '\n' || c == '\r';
}

bool IsText(char c) {
    return (c >= ' ' && c <= '~') || c == '\t';
}

}  // namespace

bool RemoteSession::Receive(const char* data, std::size_t size, std::string& reply) {
    for (std::size_t i = 0; i < size && open_; ++i) {
        const char c = data[i];
        if (IsLineEnd(c)) {
            AnswerLine(reply);
            line_.clear();
        } else if (!IsText(c) || line_.size() >= kMaxLineLength) {
            open_ = false;
        } else {
            line_ += c;
        }
    }
    return open_;
}

void RemoteSession::AnswerLine(std::string& reply) {
    const ParsedLine parsed = ParseCommandLine(line_);
    for (const ParsedCommand& command : parsed.commands) {
        const CommandReply answer = ExecuteCommand(command, radio_, client_);
        if (client_.quit) {
            open_ = false;
            return;
        }
        AppendReply(command, answer, parsed.separator, reply);
    }
}
