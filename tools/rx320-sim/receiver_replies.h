#pragma once

#include <cstdint>
#include <vector>

// The bytes the receiver sends, before any fault touches them.
using ReplyBytes = std::vector<std::uint8_t>;

// "VER 103" CR for version 103: the program reads 7 bytes and the version from bytes 3 to 6.
ReplyBytes VersionReply(int version);
// 'X', raw high byte, raw low byte, CR.
ReplyBytes SignalReply(double levelDb);
// The smallest raw value (1..65535) that the program, taking 20 log10(raw) truncated, reads as
// levelDb; so "--signal 57" shows 57 dB.
int SignalRawFromDb(double levelDb);
// Answer to an unknown command, as related receivers give it.
ReplyBytes UnknownCommandReply();
// What a receiver may send when it has just been switched on.
ReplyBytes PowerOnBanner();
