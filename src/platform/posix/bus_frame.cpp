#include "platform/posix/bus_frame.h"

#include <algorithm>
#include <cstring>

#include "exchange/little_endian.h"

namespace bus {

HeaderCheck DecodeFrameHeader(const std::uint8_t* bytes, FrameHeader& header) {
    if (std::memcmp(bytes, kMagic, sizeof kMagic) != 0) return HeaderCheck::BadMagic;
    header.version = ReadLe16(bytes + 4);
    header.kind = ReadLe16(bytes + 6);
    header.length = ReadLe32(bytes + 8);
    if (header.version != kVersion) return HeaderCheck::BadVersion;
    if (header.length > kMaxPayload) return HeaderCheck::TooLarge;
    return HeaderCheck::Ok;
}

std::vector<std::uint8_t> EncodeFrame(FrameKind kind, const std::uint8_t* payload,
                                      std::size_t length) {
    std::vector<std::uint8_t> frame(kHeaderSize + length);
    std::memcpy(frame.data(), kMagic, sizeof kMagic);
    WriteLe16(frame.data() + 4, kVersion);
    WriteLe16(frame.data() + 6, static_cast<std::uint16_t>(kind));
    WriteLe32(frame.data() + 8, static_cast<std::uint32_t>(length));
    if (length > 0) std::memcpy(frame.data() + kHeaderSize, payload, length);
    return frame;
}

std::vector<std::uint8_t> EncodeTitleRequest() {
    return EncodeFrame(FrameKind::TitleRequest, nullptr, 0);
}

std::vector<std::uint8_t> EncodeTitleReply(const std::string& title) {
    const std::size_t length = std::min(title.size(), kMaxTitle);
    return EncodeFrame(FrameKind::TitleReply, reinterpret_cast<const std::uint8_t*>(title.data()),
                       length);
}

std::vector<std::uint8_t> EncodeCopyDataRequest(std::uint32_t value, const std::uint8_t* data,
                                                std::size_t size) {
    std::vector<std::uint8_t> payload(kCopyDataPrefix + size);
    WriteLe32(payload.data(), value);
    WriteLe32(payload.data() + 4, static_cast<std::uint32_t>(size));
    if (size > 0) std::memcpy(payload.data() + kCopyDataPrefix, data, size);
    return EncodeFrame(FrameKind::CopyDataRequest, payload.data(), payload.size());
}

namespace {

std::vector<std::uint8_t> EncodeWord(FrameKind kind, std::uint32_t word) {
    std::uint8_t payload[4];
    WriteLe32(payload, word);
    return EncodeFrame(kind, payload, sizeof payload);
}

}  // namespace

std::vector<std::uint8_t> EncodeCopyDataReply(std::int32_t result) {
    return EncodeWord(FrameKind::CopyDataReply, static_cast<std::uint32_t>(result));
}

std::vector<std::uint8_t> EncodeRefused(RefusalReason reason) {
    return EncodeWord(FrameKind::Refused, static_cast<std::uint32_t>(reason));
}

bool DecodeCopyDataRequest(const std::vector<std::uint8_t>& payload, std::uint32_t& value,
                           const std::uint8_t*& block, std::size_t& size) {
    if (payload.size() < kCopyDataPrefix) return false;
    const std::uint32_t announced = ReadLe32(payload.data() + 4);
    // The size field must agree with the bytes that came, so neither side can be misled about
    // where the block ends.
    if (announced != payload.size() - kCopyDataPrefix) return false;
    value = ReadLe32(payload.data());
    size = announced;
    block = payload.data() + kCopyDataPrefix;
    return true;
}

bool DecodeInt32Payload(const std::vector<std::uint8_t>& payload, std::int32_t& value) {
    if (payload.size() != 4) return false;
    value = ReadLe32Signed(payload.data());
    return true;
}

void DecodeTitlePayload(const std::vector<std::uint8_t>& payload, std::string& title) {
    // Read as a window title is: up to the first NUL, at most kMaxTitle characters.
    const auto limit =
        payload.begin() + static_cast<std::ptrdiff_t>(std::min(payload.size(), kMaxTitle));
    title.assign(payload.begin(), std::find(payload.begin(), limit, std::uint8_t{0}));
}

}  // namespace bus
