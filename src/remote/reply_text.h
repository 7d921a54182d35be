#pragma once

#include <string>
#include <vector>

#include "remote/command_line.h"
#include "remote/rigctl_vocabulary.h"

struct ReplyRecord {
    std::string key;  // names the value in the extended response; empty: the value stands alone
    std::string value;
};

// What one command answers before it is put into the client's response format.
struct CommandReply {
    rigctl::Status status = rigctl::Status::Ok;
    std::vector<ReplyRecord> records;  // a get's values; empty for a set
    // One plain line in every response format ("\chk_vfo").
    bool bare = false;
};

CommandReply Failure(rigctl::Status status);

// Appends the reply to out in rigctld's formats. Plain: each value on its own line, or
// "RPRT n" alone for a set or a failure. Extended (separator not '\0'): the command's long name
// with a colon and the arguments it was given, then "key: value" records, then "RPRT n", each
// record followed by the separator and the whole block by a line feed.
void AppendReply(const ParsedCommand& command, const CommandReply& reply, char separator,
                 std::string& out);
