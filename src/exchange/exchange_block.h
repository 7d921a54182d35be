#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

// The data blocks of the three exchange formats: a 32-bit little-endian frequency in Hz at
// offset 0, then NUL-terminated 8-bit texts in fixed fields (format 1: 24, 24, 24 bytes;
// format 2: 50, 50, then a text running to its NUL; format 3: 50, 100, 50, then one to its NUL).

inline constexpr std::size_t kFormat1BlockSize = 76;

struct ExchangeBlock {
    std::int32_t frequencyHz = 0;
    // One per field of the format, each safe to go into a station name.
    std::vector<std::string> texts;
};

enum class BlockReadResult { Ok, UnknownFormat, NoFrequency };

bool IsKnownBlockFormat(std::uint32_t format);

// Reads a block of the format from the size bytes that arrived, never beyond them. A text ends at
// its NUL, the end of its field or the end of the block, whichever comes first; a field beyond
// the block is empty. "|" becomes "/" and CR and LF become blanks, since a station name cannot
// carry them. NoFrequency when fewer than 4 bytes arrived.
BlockReadResult ReadExchangeBlock(std::uint32_t format, const std::uint8_t* data, std::size_t size,
                                  ExchangeBlock& block);

// A block of a known format (an empty block for any other). Missing texts are empty; a text too
// long for its field is cut to leave room for the NUL; the last text of formats 2 and 3 is kept
// whole. Format 1 is always 76 bytes, zero wherever no text is.
std::vector<std::uint8_t> WriteExchangeBlock(std::uint32_t format, std::int32_t frequencyHz,
                                             const std::vector<std::string>& texts);
