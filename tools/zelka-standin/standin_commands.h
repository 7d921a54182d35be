#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

#include "exchange/copy_data_bus.h"
#include "standin_options.h"

// What the stand-in does on any host's copy-data bus.

enum StandinExitCode { kDone = 0, kUsage = 1, kNoBus = 2, kNoTarget = 3, kNotAnswered = 4 };

// One line per message: value, type and format, size, and the block as far as it can be read.
void PrintMessage(std::uint32_t value, const std::uint8_t* data, std::size_t size);

// Prints every taking-part window's title, marking the one at ownAddress.
int ListWindows(CopyDataBus& bus, const std::string& ownAddress);

// Sends the target program a tune (type kTuneMessage) or station (kStationMessage) request as
// the options describe it.
int SendToTarget(CopyDataBus& bus, const StandinOptions& options, std::uint32_t type);

// The command line parsed, or the exit code when there is nothing more to do (usage, help).
bool ParseCommandLine(int argc, char** argv, StandinOptions& options, int& exitCode);
