#pragma once

#include <cstdint>

// Numbers of hamlib's rigctld protocol, as its clients (the NET rigctl backend, model 2) read
// them. Capability masks are bit sets of hamlib's mode, level and function values.
namespace rigctl {

// Replies carry a failure negated: "RPRT -11".
enum class Status : int {
    Ok = 0,
    InvalidArgument = 1,  // RIG_EINVAL
    TimedOut = 5,         // RIG_ETIMEOUT: the receiver does not answer
    Rejected = 9,         // RIG_ERJCTED: the radio refused the value
    NotAvailable = 11,    // RIG_ENAVAIL: no such command or feature on this receiver
};

inline constexpr std::uint64_t kModeAm = 1u << 0;
inline constexpr std::uint64_t kModeCw = 1u << 1;
inline constexpr std::uint64_t kModeUsb = 1u << 2;
inline constexpr std::uint64_t kModeLsb = 1u << 3;

inline constexpr std::uint64_t kFuncMute = 1u << 17;
inline constexpr std::uint64_t kFuncSquelch = 1u << 20;

inline constexpr std::uint64_t kLevelAf = 1u << 3;
inline constexpr std::uint64_t kLevelSquelch = 1u << 5;
inline constexpr std::uint64_t kLevelIfShift = 1u << 6;
inline constexpr std::uint64_t kLevelAgc = 1u << 17;
inline constexpr std::uint64_t kLevelRawStrength = 1u << 26;
inline constexpr std::uint64_t kLevelStrength = 1u << 30;

inline constexpr std::uint64_t kVfoA = 1u << 0;

// Values of the AGC level.
inline constexpr int kAgcFast = 2;
inline constexpr int kAgcSlow = 3;
inline constexpr int kAgcMedium = 5;
inline constexpr int kAgcSuperFast = 1;

// hamlib's model number of the Ten-Tec RX-320.
inline constexpr int kModelRx320 = 16003;

}  // namespace rigctl
