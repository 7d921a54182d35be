#include "reply_faults.h"

std::string ReplyFaults::Describe() const {
    std::string text;
    const auto add = [&text](const std::string& fault) {
        text += (text.empty() ? "" : ", ") + fault;
    };
    if (silent) add("silent");
    if (slowMs > 0) add("slow " + std::to_string(slowMs) + " ms");
    if (shortReplies) add("short");
    if (garbled) add("garbled");
    return text.empty() ? "normal" : text;
}

ReplyBytes DamageReply(const ReplyFaults& faults, ReplyBytes reply, std::mt19937& random) {
    if (faults.silent) return {};
    // Half is short for every reply the program reads: 2 of the 4 signal bytes, 4 of the 7
    // version bytes it waits for.
    if (faults.shortReplies) reply.resize(reply.size() / 2);
    if (faults.garbled) {
        std::uniform_int_distribution<int> flip(1, 255);  // never 0: each byte really changes
        for (auto& byte : reply) byte = static_cast<std::uint8_t>(byte ^ flip(random));
    }
    return reply;
}
