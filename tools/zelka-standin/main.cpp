// zelka-standin: plays the companion station database in the copy-data exchange, to try ZORIVAN's
// side of it by hand or from scripts.

#include <poll.h>
#include <signal.h>

#include <cerrno>
#include <cstdio>
#include <string>
#include <vector>

#include "exchange/exchange_value.h"
#include "platform/posix/bus_directory.h"
#include "platform/posix/local_socket_bus.h"
#include "standin_commands.h"

namespace {

volatile sig_atomic_t stopRequested = 0;

void RequestStop(int) {
    stopRequested = 1;
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
    std::printf("listening as \"%s\"\n", options.title.c_str());
    std::fflush(stdout);
    while (stopRequested == 0 && (options.count == 0 || received < options.count)) {
        pollfd ready{bus.Fd(), POLLIN, 0};
        const int count = ::poll(&ready, 1, -1);
        if (count < 0 && errno != EINTR) return kNoBus;
        if (count > 0) bus.ProcessPending();
    }
    return kDone;
}

}  // namespace

int main(int argc, char** argv) {
    StandinOptions options;
    int exitCode = kDone;
    if (!ParseCommandLine(argc, argv, options, exitCode)) return exitCode;
    LocalSocketBus bus;
    if (Join(bus, options) != 0) return kNoBus;
    if (options.command == "list") return ListWindows(bus, bus.Address());
    if (options.command == "listen") return Listen(bus, options);
    return SendToTarget(bus, options, options.command == "tune" ? kTuneMessage : kStationMessage);
}
