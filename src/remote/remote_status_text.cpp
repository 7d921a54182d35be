#include "remote/remote_status_text.h"

namespace {

std::string Endpoint(const std::string& address, int port) {
    const bool ipv6 = address.find(':') != std::string::npos;
    return (ipv6 ? "[" + address + "]" : address) + ":" + std::to_string(port);
}

}  // namespace

std::string RemoteStatusText(bool enabled, int openResult, const std::string& address, int port,
                             std::size_t clients) {
    if (!enabled) return std::string();
    const std::string where = Endpoint(address, port);
    switch (openResult) {
        case RemoteOpenResult::kListening:
            if (clients == 0) return "Network control (rigctld) on " + where + ", no client";
            return "Network control (rigctld) on " + where + ", " + std::to_string(clients) +
                   (clients == 1 ? " client connected" : " clients connected");
        case RemoteOpenResult::kNotNumeric:
            return "Network control is off: \"" + address +
                   "\" is not a numeric address (profile section Remote, key Address)";
        case RemoteOpenResult::kCannotBind:
            return "Network control is off: " + where +
                   " cannot be used (in use by another program, or not this machine's address)";
        default:
            return "Network control is off: the system gave no network socket";
    }
}
