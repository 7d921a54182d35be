#pragma once

#include <string>
#include <vector>

#include "control_command.h"

// Everything the command line can say.
struct SimOptions {
    std::string linkPath;     // symlink to the device, removed at exit; empty for none
    std::string logPath;      // command log; empty for standard error
    std::string controlPath;  // FIFO for control lines; empty for none
    int version = 103;        // firmware version x 100 in the "?" reply
    bool lineDelay = true;    // emulate the line's byte time in both directions
    int baud = 1200;          // line rate the byte time follows (10 bits per byte)
    bool unknownReply = false;
    bool banner = false;
    // Reply faults and the signal source, applied in order at start.
    std::vector<ControlCommand> startCommands;
    double powerCycleAfterSeconds = -1.0;  // < 0: never
    double offForSeconds = 5.0;
    double vanishAfterSeconds = -1.0;  // < 0: never
    bool seedGiven = false;
    unsigned seed = 0;  // noise and corruption; random unless given
};

enum class OptionsOutcome { Run, ShowHelp, Invalid };

// args excludes the program name. Invalid leaves the reason in error.
OptionsOutcome ParseSimOptions(const std::vector<std::string>& args, SimOptions& options,
                               std::string& error);

std::string SimHelpText(const std::string& programName);
