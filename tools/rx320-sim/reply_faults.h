#pragma once

#include <random>
#include <string>

#include "receiver_replies.h"

// How the simulated receiver misbehaves when it answers. Faults combine; "normal" clears them.
struct ReplyFaults {
    bool silent = false;        // no replies at all
    int slowMs = 0;             // each reply starts this much later
    bool shortReplies = false;  // only the first half of each reply
    bool garbled = false;       // every reply byte corrupted

    // "normal", or the active faults: "silent, slow 300 ms".
    std::string Describe() const;
};

// What reaches the line of a reply under these faults; empty when silent. random picks the
// corruption.
ReplyBytes DamageReply(const ReplyFaults& faults, ReplyBytes reply, std::mt19937& random);
