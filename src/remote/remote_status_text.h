#pragma once

#include <cstddef>
#include <string>

// What the server's Open returned, as the status line words it.
namespace RemoteOpenResult {
inline constexpr int kListening = 0;
inline constexpr int kNotNumeric = 1;
inline constexpr int kCannotBind = 2;
inline constexpr int kSocketFailed = 3;
}  // namespace RemoteOpenResult

// The status line of network control: empty while it is off. An IPv6 address is bracketed, as
// clients write it.
std::string RemoteStatusText(bool enabled, int openResult, const std::string& address, int port,
                             std::size_t clients);
