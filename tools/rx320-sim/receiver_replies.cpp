#include "receiver_replies.h"

#include <cmath>
#include <string>

namespace {

constexpr std::uint8_t kCr = 0x0D;
constexpr int kHighestRaw = 0xFFFF;

ReplyBytes TextReply(const std::string& text) {
    ReplyBytes bytes(text.begin(), text.end());
    bytes.push_back(kCr);
    return bytes;
}

double LevelOfRaw(int raw) {
    return 20.0 * std::log10(static_cast<double>(raw));
}

}  // namespace

ReplyBytes VersionReply(int version) {
    return TextReply("VER " + std::to_string(version));
}

int SignalRawFromDb(double levelDb) {
    if (!(levelDb > 0)) return 1;
    const double exact = std::pow(10.0, levelDb / 20.0);
    if (exact >= kHighestRaw) return kHighestRaw;
    int raw = static_cast<int>(std::ceil(exact));
    // pow may land a hair above a whole number; step down while the reading still holds.
    while (raw > 1 && LevelOfRaw(raw - 1) >= levelDb) --raw;
    while (raw < kHighestRaw && LevelOfRaw(raw) < levelDb) ++raw;
    return raw;
}

ReplyBytes SignalReply(double levelDb) {
    const int raw = SignalRawFromDb(levelDb);
    return {'X', static_cast<std::uint8_t>(raw >> 8), static_cast<std::uint8_t>(raw & 0xFF), kCr};
}

ReplyBytes UnknownCommandReply() {
    return TextReply("Z");
}

ReplyBytes PowerOnBanner() {
    return TextReply(" DSP START");
}
