#include "control_command.h"

#include <cstdio>
#include <sstream>
#include <vector>

#include "number_argument.h"

namespace {

struct ActionSpelling {
    const char* word;
    ControlAction action;
    const char* valueName;  // nullptr when the action takes no value
    double min;
    double max;
    const char* help;
};

constexpr double kLongestSlowMs = 60000;
constexpr double kLongestOffSeconds = 3600;
constexpr double kHighestSignalDb = 96.3;  // 20 log10(65535)

const ActionSpelling kSpellings[] = {
    {"silent", ControlAction::Silent, nullptr, 0, 0, "no replies (commands are still taken)"},
    {"normal", ControlAction::Normal, nullptr, 0, 0, "clear every reply fault"},
    {"slow", ControlAction::Slow, "MS", 0, kLongestSlowMs, "each reply starts MS later"},
    {"short", ControlAction::Short, nullptr, 0, 0, "replies cut to their first half"},
    {"garbled", ControlAction::Garbled, nullptr, 0, 0, "every reply byte corrupted"},
    {"power-cycle", ControlAction::PowerCycle, "SECONDS", 0.001, kLongestOffSeconds,
     "off (deaf and silent) for SECONDS, then the power-on state"},
    {"vanish", ControlAction::Vanish, nullptr, 0, 0,
     "close the pseudo-terminal (the program sees EIO/hang-up) and end"},
    {"signal", ControlAction::Signal, "DB", 0, kHighestSignalDb, "fixed signal level"},
    {"band", ControlAction::Band, nullptr, 0, 0, "signal from the station band"},
};

}  // namespace

bool ParseControlCommand(const std::string& line, ControlCommand& command, std::string& error) {
    std::istringstream words(line);
    std::vector<std::string> parts;
    for (std::string word; words >> word;) parts.push_back(word);
    if (parts.empty()) {
        error = "empty command";
        return false;
    }
    for (const ActionSpelling& spelling : kSpellings) {
        if (parts[0] != spelling.word) continue;
        const std::size_t wanted = spelling.valueName ? 2 : 1;
        if (parts.size() != wanted) {
            error = std::string("usage: ") + spelling.word +
                    (spelling.valueName ? std::string(" ") + spelling.valueName : "");
            return false;
        }
        ControlCommand parsed{spelling.action, 0.0};
        if (spelling.valueName &&
            !ParseDecimalArgument(parts[1], spelling.min, spelling.max, parsed.value)) {
            char range[96];
            std::snprintf(range, sizeof range, " must be a number from %g to %g", spelling.min,
                          spelling.max);
            error = std::string(spelling.word) + ": " + spelling.valueName + range;
            return false;
        }
        command = parsed;
        return true;
    }
    error = "unknown command \"" + parts[0] + "\"";
    return false;
}

bool ControlCommandTakesValue(const std::string& word) {
    for (const ActionSpelling& spelling : kSpellings) {
        if (word == spelling.word) return spelling.valueName != nullptr;
    }
    return false;
}

bool ApplyToFaults(const ControlCommand& command, ReplyFaults& faults) {
    switch (command.action) {
        case ControlAction::Silent:
            faults.silent = true;
            return true;
        case ControlAction::Normal:
            faults = ReplyFaults{};
            return true;
        case ControlAction::Slow:
            faults.slowMs = static_cast<int>(command.value);
            return true;
        case ControlAction::Short:
            faults.shortReplies = true;
            return true;
        case ControlAction::Garbled:
            faults.garbled = true;
            return true;
        default:
            return false;
    }
}

std::string ControlCommandHelp() {
    std::string text;
    for (const ActionSpelling& spelling : kSpellings) {
        std::string usage = spelling.word;
        if (spelling.valueName) usage += std::string(" ") + spelling.valueName;
        usage.resize(22, ' ');
        text += "  " + usage + spelling.help + "\n";
    }
    return text;
}
