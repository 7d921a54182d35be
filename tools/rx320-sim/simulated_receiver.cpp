#include "simulated_receiver.h"

#include <cstdio>

#include "command_log.h"

namespace {

constexpr int kModesKnown = 4;
constexpr int kHighestFilterCode = 33;
constexpr int kMaximumAttenuation = 63;

std::string HexByte(std::uint8_t byte) {
    return HexBytes({byte});
}

const char* AgcName(int agc) {
    if (agc == 1) return "slow";
    if (agc == 2) return "medium";
    return "fast";
}

}  // namespace

SimulatedReceiver::SimulatedReceiver(const Settings& settings, const SignalSource& signal,
                                     std::mt19937& random)
    : settings_(settings), signal_(signal), random_(random) {}

void SimulatedReceiver::PowerOn() {
    state_ = ReceiverState{};
}

CommandOutcome SimulatedReceiver::Handle(const ReceivedFrame& frame) {
    if (frame.garbage) {
        return {"garbage", settings_.answerUnknown ? UnknownCommandReply() : ReplyBytes{}};
    }
    switch (frame.bytes[0]) {
        case 'N':
            return {Tune(frame), {}};
        case 'M':
            return {SetMode(frame.bytes[1]), {}};
        case 'G':
            return {SetAgc(frame.bytes[1]), {}};
        case 'W':
            return {SetFilter(frame.bytes[1]), {}};
        case 'V':
            return {SetLevel(frame, "volume", state_.volume), {}};
        case 'A':
            return {SetLevel(frame, "line", state_.lineLevel), {}};
        case '?':
            return {"version query", VersionReply(settings_.version)};
        case 'X':
            return AnswerSignalQuery();
        default:
            return {"garbage", {}};  // the framer lets no other command through
    }
}

std::string SimulatedReceiver::SetMode(std::uint8_t digit) {
    const int mode = digit - '0';
    if (mode < 0 || mode >= kModesKnown) return "mode ignored: no mode " + HexByte(digit);
    state_.mode = mode;
    // The factors already set are now read for the new mode (the program follows with a new
    // tuning command, but the receiver hears the old one in between).
    if (state_.tuned) state_.tuning = DecodeTuning(state_.tuningBytes, mode);
    return "mode " + ModeName(mode);
}

std::string SimulatedReceiver::SetAgc(std::uint8_t digit) {
    const int agc = digit - '0';
    if (agc < 1 || agc > 3) return "agc ignored: no AGC " + HexByte(digit);
    state_.agc = agc;
    return std::string("agc ") + AgcName(agc);
}

std::string SimulatedReceiver::SetFilter(std::uint8_t code) {
    if (code > kHighestFilterCode) return "filter ignored: no filter code " + std::to_string(code);
    state_.filterCode = code;
    return "filter " + std::to_string(FilterBandwidthHz(code)) + " Hz (code " +
           std::to_string(code) + ")";
}

std::string SimulatedReceiver::SetLevel(const ReceivedFrame& frame, const char* what, int& level) {
    // The command carries the attenuation: 0 loudest, 63 silent.
    const int attenuation = frame.bytes[2];
    if (attenuation > kMaximumAttenuation) {
        return std::string(what) + " ignored: attenuation " + std::to_string(attenuation) +
               " beyond " + std::to_string(kMaximumAttenuation);
    }
    level = kMaximumAttenuation - attenuation;
    std::string meaning = std::string(what) + " " + std::to_string(level);
    if (frame.bytes[1] != 0) meaning += " (second byte " + HexByte(frame.bytes[1]) + ", not 00)";
    return meaning;
}

std::string SimulatedReceiver::Tune(const ReceivedFrame& frame) {
    state_.tuned = true;
    state_.tuningBytes = frame.bytes;
    state_.tuning = DecodeTuning(frame.bytes, state_.mode);
    return DescribeTuning(state_);
}

CommandOutcome SimulatedReceiver::AnswerSignalQuery() {
    const double levelDb = signal_.LevelDb(state_, random_);
    char meaning[48];
    std::snprintf(meaning, sizeof meaning, "signal query %.1f dB", levelDb);
    return {meaning, SignalReply(levelDb)};
}
