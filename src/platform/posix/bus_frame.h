#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

// Frames of the local copy-data bus (docs/exchange-protocol.md): a 12-byte header (magic "ZCDB",
// version, kind, payload length, all little-endian) followed by the payload.
namespace bus {

inline constexpr std::uint8_t kMagic[4] = {'Z', 'C', 'D', 'B'};
inline constexpr std::uint16_t kVersion = 1;
inline constexpr std::size_t kHeaderSize = 12;
// Largest payload either side accepts; a header announcing more is refused unread.
inline constexpr std::size_t kMaxPayload = 65536;
// Copy-data payload: value and size (4 bytes each), then the block.
inline constexpr std::size_t kCopyDataPrefix = 8;
inline constexpr std::size_t kMaxBlock = kMaxPayload - kCopyDataPrefix;
// Titles are read as at most 511 characters, as a window title was.
inline constexpr std::size_t kMaxTitle = 511;

enum class FrameKind : std::uint16_t {
    TitleRequest = 1,
    TitleReply = 2,
    CopyDataRequest = 3,
    CopyDataReply = 4,
    Refused = 5,
};

enum class RefusalReason : std::uint32_t {
    Malformed = 1,    // payload does not have the shape its kind requires
    TooLarge = 2,     // announced payload above kMaxPayload
    Unsupported = 3,  // other version, or a kind the receiver does not answer
};

struct FrameHeader {
    std::uint16_t version = 0;
    std::uint16_t kind = 0;
    std::uint32_t length = 0;  // payload bytes
};

enum class HeaderCheck { Ok, BadMagic, BadVersion, TooLarge };

// Reads kHeaderSize bytes. Version and size are checked after the magic; the kind is left to the
// caller, who knows which kinds it answers.
HeaderCheck DecodeFrameHeader(const std::uint8_t* bytes, FrameHeader& header);

std::vector<std::uint8_t> EncodeFrame(FrameKind kind, const std::uint8_t* payload,
                                      std::size_t length);
std::vector<std::uint8_t> EncodeTitleRequest();
// Titles longer than kMaxTitle are cut.
std::vector<std::uint8_t> EncodeTitleReply(const std::string& title);
// size must not exceed kMaxBlock.
std::vector<std::uint8_t> EncodeCopyDataRequest(std::uint32_t value, const std::uint8_t* data,
                                                std::size_t size);
std::vector<std::uint8_t> EncodeCopyDataReply(std::int32_t result);
std::vector<std::uint8_t> EncodeRefused(RefusalReason reason);

// Payload checks: false when the payload does not have the shape of its kind. The block points
// into payload.
bool DecodeCopyDataRequest(const std::vector<std::uint8_t>& payload, std::uint32_t& value,
                           const std::uint8_t*& block, std::size_t& size);
bool DecodeInt32Payload(const std::vector<std::uint8_t>& payload, std::int32_t& value);
// Any payload is a title: cut at the first NUL and after kMaxTitle characters.
void DecodeTitlePayload(const std::vector<std::uint8_t>& payload, std::string& title);

}  // namespace bus
