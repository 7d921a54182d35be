// zelka-standin: plays the companion station database in the copy-data exchange, to try ZORIVAN's
// side of it by hand or from scripts.

#include <poll.h>
#include <signal.h>

#include <cerrno>
#include <cstdio>
#include <string>
#include <vector>

#include "exchange/exchange_block.h"
#include "exchange/exchange_value.h"
#include "exchange/partner_title.h"
#include "platform/posix/bus_directory.h"
#include "platform/posix/local_socket_bus.h"
#include "standin_options.h"

namespace {

enum ExitCode { kDone = 0, kUsage = 1, kNoBus = 2, kNoTarget = 3, kNotAnswered = 4 };

volatile sig_atomic_t stopRequested = 0;

void RequestStop(int) {
    stopRequested = 1;
}

std::string Quoted(const std::string& text) {
    return "\"" + text + "\"";
}

// One line per message: value, type and format, size, and the block as far as it can be read.
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

int Join(LocalSocketBus& bus, const StandinOptions& options) {
    const std::string directory =
        options.directory.empty() ? DefaultBusDirectory() : options.directory;
    bus.SetTitle(options.title);
    bus.SetTimeoutMs(options.timeoutMs);
    const int status = bus.Open(directory);
    if (status != 0) {
        std::fprintf(
            stderr, "zelka-standin: cannot take part in %s (%s)\n", directory.c_str(),
            status == 5 ? "socket failed" : "directory missing, not private or not this user's");
    }
    return status;
}

int ListWindows(LocalSocketBus& bus) {
    bus.EnumerateWindows([&bus](const BusWindow& window) {
        std::printf("%s%s\n", Quoted(window.title).c_str(),
                    window.address == bus.Address() ? "  (this stand-in)" : "");
        return true;
    });
    return kDone;
}

int Listen(LocalSocketBus& bus, const StandinOptions& options) {
    int received = 0;
    bus.SetCopyDataHandler([&](std::uint32_t value, const std::uint8_t* data, std::size_t size) {
        PrintMessage(value, data, size);
        ++received;
        return 0;
    });
    struct sigaction action {};
    action.sa_handler = RequestStop;
    ::sigaction(SIGINT, &action, nullptr);
    ::sigaction(SIGTERM, &action, nullptr);
    std::printf("listening as %s\n", Quoted(options.title).c_str());
    std::fflush(stdout);
    while (stopRequested == 0 && (options.count == 0 || received < options.count)) {
        pollfd ready{bus.Fd(), POLLIN, 0};
        const int count = ::poll(&ready, 1, -1);
        if (count < 0 && errno != EINTR) return kNoBus;
        if (count > 0) bus.ProcessPending();
    }
    return kDone;
}

int SendToTarget(LocalSocketBus& bus, const StandinOptions& options, std::uint32_t type) {
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

}  // namespace

int main(int argc, char** argv) {
    StandinOptions options;
    std::string error;
    if (!ParseStandinOptions(std::vector<std::string>(argv + 1, argv + argc), options, error)) {
        std::fprintf(stderr, "zelka-standin: %s\n\n%s", error.c_str(), kStandinUsage);
        return kUsage;
    }
    if (options.command == "help") {
        std::printf("%s", kStandinUsage);
        return kDone;
    }
    LocalSocketBus bus;
    if (Join(bus, options) != 0) return kNoBus;
    if (options.command == "list") return ListWindows(bus);
    if (options.command == "listen") return Listen(bus, options);
    return SendToTarget(bus, options, options.command == "tune" ? kTuneMessage : kStationMessage);
}
