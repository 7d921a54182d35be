#include "remote/reply_text.h"

namespace {

void AppendStatus(rigctl::Status status, std::string& out) {
    out += "RPRT ";
    out += std::to_string(-static_cast<int>(status));
    out += '\n';
}

}  // namespace

CommandReply Failure(rigctl::Status status) {
    CommandReply reply;
    reply.status = status;
    return reply;
}

void AppendReply(const ParsedCommand& command, const CommandReply& reply, char separator,
                 std::string& out) {
    if (reply.bare) {
        for (const ReplyRecord& record : reply.records) out += record.value + '\n';
        return;
    }
    if (separator == '\0' || command.entry == nullptr) {
        if (reply.status != rigctl::Status::Ok || reply.records.empty()) {
            AppendStatus(reply.status, out);
            return;
        }
        for (const ReplyRecord& record : reply.records) out += record.value + '\n';
        return;
    }
    out += command.entry->longName;
    out += ':';
    if (!command.vfo.empty()) out += ' ' + command.vfo;
    for (const std::string& argument : command.arguments) out += ' ' + argument;
    out += separator;
    if (reply.status == rigctl::Status::Ok) {
        for (const ReplyRecord& record : reply.records) {
            out += record.key.empty() ? record.value : record.key + ": " + record.value;
            out += separator;
        }
    }
    AppendStatus(reply.status, out);
}
