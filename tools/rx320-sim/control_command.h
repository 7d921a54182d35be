#pragma once

#include <string>

#include "reply_faults.h"

// One instruction to the running simulator, from the control channel or a start-up flag.
enum class ControlAction {
    Silent,      // stop answering
    Normal,      // clear every reply fault
    Slow,        // value: delay before each reply, ms
    Short,       // cut replies short
    Garbled,     // corrupt reply bytes
    PowerCycle,  // value: seconds switched off, then the power-on state
    Vanish,      // the device disappears and the simulator ends
    Signal,      // value: fixed signal level, dB
    Band,        // signal from the station band again
};

struct ControlCommand {
    ControlAction action = ControlAction::Normal;
    double value = 0.0;
};

// Parses one control line such as "slow 300" or "power-cycle 5" (surrounding blanks ignored);
// false with a reason in error for anything else.
bool ParseControlCommand(const std::string& line, ControlCommand& command, std::string& error);

// True when the command word is followed by a value ("slow", "signal", "power-cycle").
bool ControlCommandTakesValue(const std::string& word);

// Applies a reply-fault command; false (faults untouched) for the other actions.
bool ApplyToFaults(const ControlCommand& command, ReplyFaults& faults);

// The control vocabulary, for --help.
std::string ControlCommandHelp();
