#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "remote/command_table.h"

struct ParsedCommand {
    const CommandEntry* entry = nullptr;  // nullptr: not a command of this receiver
    std::string vfo;                      // the VFO token when the client gave one
    // As many as the command takes, fewer when the line ended early.
    std::vector<std::string> arguments;
};

struct ParsedLine {
    // '\0' for plain replies; otherwise the extended response's record separator ('+' gives a
    // line feed, any other prefix character is itself the separator).
    char separator = '\0';
    // In order. An unknown command ends the line: it comes last.
    std::vector<ParsedCommand> commands;
};

// One line from a client, without its line end: an optional extended-response prefix, then
// either long commands ("\get_freq") or one-letter commands, several of which may follow each
// other without a blank ("fmv"). Arguments and an optional VFO token follow their command after
// blanks. A line starting with '#' is a comment and holds nothing.
ParsedLine ParseCommandLine(std::string_view line);

// hamlib's VFO names ("VFOA", "currVFO", "Main", ...).
bool IsVfoToken(std::string_view token);
