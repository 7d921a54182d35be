#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// The stand-in's command line.
struct StandinOptions {
    std::string command;  // help, list, listen, tune, station
    std::string title = "ZELKA Station Database";
    std::string directory;           // empty: the user's default bus directory
    std::string target = "ZORIVAN";  // tune, station: the receiving program's name
    int timeoutMs = 1000;
    std::int32_t frequencyHz = 0;
    std::uint32_t format = 1;
    std::optional<std::uint32_t> value;  // replaces type + format when given
    std::vector<std::string> texts;
    int count = 0;  // listen: stop after so many messages; 0 never
};

// False with a message when the arguments make no sense.
bool ParseStandinOptions(const std::vector<std::string>& arguments, StandinOptions& options,
                         std::string& error);

extern const char* const kStandinUsage;
