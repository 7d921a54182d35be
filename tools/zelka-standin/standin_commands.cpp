#include "standin_commands.h"

#include <cstdio>
#include <vector>

#include "exchange/exchange_block.h"
#include "exchange/exchange_value.h"
#include "exchange/partner_title.h"

namespace {

std::string Quoted(const std::string& text) {
    return "\"" + text + "\"";
}

}  // namespace

void PrintMessage(std::uint32_t value, const std::uint8_t* data, std::size_t size) {
    const ExchangeValue split = SplitExchangeValue(value);
    std::printf("received value %u (type %u, format %u), %zu bytes", value, split.type,
                split.format, size);
    ExchangeBlock block;
    switch (ReadExchangeBlock(split.format, data, size, block)) {
        case BlockReadResult::Ok: {
            std::printf(": frequency %d Hz (%.3f kHz), texts", block.frequencyHz,
                        block.frequencyHz * 0.001);
            const char* separator = " ";
            for (const std::string& text : block.texts) {
                std::printf("%s%s", separator, Quoted(text).c_str());
                separator = ", ";
            }
            break;
        }
        case BlockReadResult::NoFrequency:
            std::printf(": too short for a frequency");
            break;
        case BlockReadResult::UnknownFormat:
            std::printf(": unknown format");
            break;
    }
    std::printf("\n");
    std::fflush(stdout);
}

int ListWindows(CopyDataBus& bus, const std::string& ownAddress) {
    bus.EnumerateWindows([&ownAddress](const BusWindow& window) {
        std::printf("%s%s\n", Quoted(window.title).c_str(),
                    window.address == ownAddress ? "  (this stand-in)" : "");
        return true;
    });
    return kDone;
}

int SendToTarget(CopyDataBus& bus, const StandinOptions& options, std::uint32_t type) {
    BusWindow target;
    if (!FindProgramWindow(bus, options.target, target)) {
        std::fprintf(stderr, "zelka-standin: no window titled %s\n", options.target.c_str());
        return kNoTarget;
    }
    // An unknown format still gets a block of the first format's shape, so that the receiver's
    // answer to the format itself can be seen.
    const std::uint32_t layout = IsKnownBlockFormat(options.format) ? options.format : 1;
    const std::vector<std::uint8_t> block =
        WriteExchangeBlock(layout, options.frequencyHz, options.texts);
    const std::uint32_t value = options.value.value_or(type + options.format);
    std::int32_t result = 0;
    if (!bus.SendCopyData(target.address, value, block.data(), block.size(), result)) {
        std::fprintf(stderr,
                     "zelka-standin: %s did not answer in time (it may be showing a message)\n",
                     Quoted(target.title).c_str());
        return kNotAnswered;
    }
    std::printf("sent value %u, %zu bytes, to %s: answer %d\n", value, block.size(),
                Quoted(target.title).c_str(), result);
    return kDone;
}

bool ParseCommandLine(int argc, char** argv, StandinOptions& options, int& exitCode) {
    std::string error;
    if (!ParseStandinOptions(std::vector<std::string>(argv + 1, argv + argc), options, error)) {
        std::fprintf(stderr, "zelka-standin: %s\n\n%s", error.c_str(), kStandinUsage);
        exitCode = kUsage;
        return false;
    }
    if (options.command == "help") {
        std::printf("%s", kStandinUsage);
        exitCode = kDone;
        return false;
    }
    return true;
}
