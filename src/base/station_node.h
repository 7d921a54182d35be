#pragma once

#include <cstdint>

// A station's identity outside the list, also the data value of its list-view row. An opaque
// number rather than a pointer: a host keeps it in whatever a row carries (a quintptr, an LPARAM)
// with one static_cast each way, and the list refuses a node it does not hold instead of
// following it.
enum class StationNode : std::uintptr_t {};

// No station: an empty selection, the start and the end of a walk.
inline constexpr StationNode kNoStation{};
