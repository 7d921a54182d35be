#include "standin_options.h"

#include <charconv>

const char* const kStandinUsage =
    "Usage: zelka-standin [options] COMMAND [arguments]\n"
    "A stand-in for the ZELKA station database: takes part in the copy-data exchange\n"
    "with ZORIVAN on this desktop.\n"
    "\n"
    "Commands:\n"
    "  list                      list the taking-part windows and their titles\n"
    "  listen                    take part and print every message that arrives\n"
    "  tune FREQUENCY            ask the target to tune FREQUENCY (Hz): value 1000 + format\n"
    "  station FREQUENCY         ask the target to tune the stored station on FREQUENCY\n"
    "                            or store a new one from the texts: value 2000 + format\n"
    "\n"
    "Options:\n"
    "  --title TITLE             the stand-in's window title (default \"ZELKA Station Database\")\n"
    "  --to NAME                 the target: first window whose title begins with NAME after\n"
    "                            leading blanks (default ZORIVAN)\n"
    "  --format N                block format 1, 2 or 3 (default 1); any other N sends a\n"
    "                            76-byte block, for trying unknown formats\n"
    "  --texts TEXT...           the block's texts (three, or four in format 3)\n"
    "  --value V                 send value V instead of type + format\n"
    "  --count N                 listen: stop after N messages\n"
    "  --timeout MS              how long to wait for an answer (default 1000)\n"
    "  --dir PATH                Linux: the bus directory (default $XDG_RUNTIME_DIR/zorivan,\n"
    "                            else /tmp/zorivan-UID)\n"
    "  --help                    this text\n"
    "\n"
    "Examples:\n"
    "  zelka-standin --title \"ZELKA\" listen\n"
    "  zelka-standin tune 9580000 --format 2\n"
    "  zelka-standin station 9580000 --texts \"Radio X\" \"Country\" \"Lang\" --format 3\n";

namespace {

template <typename Number>
bool ReadNumber(const std::string& text, Number& number) {
    const char* end = text.data() + text.size();
    const auto [rest, error] = std::from_chars(text.data(), end, number);
    return error == std::errc() && rest == end;
}

bool IsOption(const std::string& argument) {
    return argument.rfind("--", 0) == 0;
}

}  // namespace

bool ParseStandinOptions(const std::vector<std::string>& arguments, StandinOptions& options,
                         std::string& error) {
    std::vector<std::string> positional;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string& argument = arguments[i];
        if (!IsOption(argument)) {
            positional.push_back(argument);
            continue;
        }
        if (argument == "--help") {
            options.command = "help";
            return true;
        }
        if (argument == "--texts") {
            while (i + 1 < arguments.size() && !IsOption(arguments[i + 1]))
                options.texts.push_back(arguments[++i]);
            continue;
        }
        if (i + 1 >= arguments.size()) {
            error = argument + " needs a value";
            return false;
        }
        const std::string& next = arguments[++i];
        bool good = true;
        if (argument == "--title") {
            options.title = next;
        } else if (argument == "--to") {
            options.target = next;
        } else if (argument == "--dir") {
            options.directory = next;
        } else if (argument == "--format") {
            good = ReadNumber(next, options.format);
        } else if (argument == "--value") {
            std::uint32_t value = 0;
            good = ReadNumber(next, value);
            options.value = value;
        } else if (argument == "--count") {
            good = ReadNumber(next, options.count) && options.count >= 0;
        } else if (argument == "--timeout") {
            good = ReadNumber(next, options.timeoutMs) && options.timeoutMs > 0;
        } else {
            error = "unknown option " + argument;
            return false;
        }
        if (!good) {
            error = "bad value for " + argument + ": " + next;
            return false;
        }
    }

    if (positional.empty()) {
        error = "no command given";
        return false;
    }
    options.command = positional[0];
    const bool needsFrequency = options.command == "tune" || options.command == "station";
    if (!needsFrequency && options.command != "list" && options.command != "listen") {
        error = "unknown command " + options.command;
        return false;
    }
    if (positional.size() != (needsFrequency ? 2u : 1u)) {
        error = needsFrequency ? options.command + " needs one frequency in Hz"
                               : options.command + " takes no arguments";
        return false;
    }
    if (needsFrequency && !ReadNumber(positional[1], options.frequencyHz)) {
        error = "bad frequency: " + positional[1];
        return false;
    }
    return true;
}
