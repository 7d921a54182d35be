#pragma once

// The results of CStationList's operations. The numbers are fixed: callers outside the core may
// hold them as plain integers.

namespace StationAddResult {
inline constexpr int kAdded = 0;
inline constexpr int kNoMemory = 1;  // the list is unchanged
}  // namespace StationAddResult

// Update, Remove and Get.
namespace StationNodeResult {
inline constexpr int kDone = 0;
inline constexpr int kNoSuchNode = 1;  // kNoStation, or a node the list does not hold
}  // namespace StationNodeResult

// GetNext.
namespace StationWalkResult {
inline constexpr int kStationRead = 0;
inline constexpr int kNothingToRead = 1;  // an empty list, or a cursor the list does not hold
}  // namespace StationWalkResult

namespace StationLoadResult {
inline constexpr int kLoaded = 0;
inline constexpr int kCannotOpen = 1;
inline constexpr int kReadError = 2;  // a header line or a station line missing or malformed
inline constexpr int kWrongMagic = 3;
inline constexpr int kWrongVersion = 4;
inline constexpr int kNoMemory = 5;
}  // namespace StationLoadResult

namespace StationSaveResult {
inline constexpr int kSaved = 0;
inline constexpr int kCannotCreate = 1;
inline constexpr int kWriteFailed = 2;  // the previous file survives
}  // namespace StationSaveResult
