#include "exchange/exchange_block.h"

#include <algorithm>
#include <cstring>
#include <span>

#include "exchange/little_endian.h"
#include "stations/station_file_format.h"

namespace {

constexpr std::size_t kFrequencySize = 4;
// Marks the last field of formats 2 and 3, which runs to its NUL.
constexpr std::size_t kToTheNul = 0;

struct TextField {
    std::size_t offset;
    std::size_t size;
};

constexpr TextField kFormat1Fields[] = {{4, 24}, {28, 24}, {52, 24}};
constexpr TextField kFormat2Fields[] = {{4, 50}, {54, 50}, {104, kToTheNul}};
constexpr TextField kFormat3Fields[] = {{4, 50}, {54, 100}, {154, 50}, {204, kToTheNul}};

std::span<const TextField> FieldsOf(std::uint32_t format) {
    switch (format) {
        case 1:
            return kFormat1Fields;
        case 2:
            return kFormat2Fields;
        case 3:
            return kFormat3Fields;
        default:
            return {};
    }
}

std::string ReadText(const std::uint8_t* data, std::size_t size, const TextField& field) {
    if (field.offset >= size) return {};
    const std::size_t limit =
        field.size == kToTheNul ? size : std::min(size, field.offset + field.size);
    const std::uint8_t* begin = data + field.offset;
    const std::uint8_t* end = std::find(begin, data + limit, std::uint8_t{0});
    std::string text(begin, end);
    // The station file separates fields with "|" and records with line breaks.
    for (char& c : text) {
        if (c == '|') c = '/';
    }
    BlankLineBreaks(text);
    return text;
}

}  // namespace

bool IsKnownBlockFormat(std::uint32_t format) {
    return !FieldsOf(format).empty();
}

BlockReadResult ReadExchangeBlock(std::uint32_t format, const std::uint8_t* data, std::size_t size,
                                  ExchangeBlock& block) {
    const std::span<const TextField> fields = FieldsOf(format);
    if (fields.empty()) return BlockReadResult::UnknownFormat;
    if (data == nullptr || size < kFrequencySize) return BlockReadResult::NoFrequency;
    block.frequencyHz = ReadLe32Signed(data);
    block.texts.clear();
    for (const TextField& field : fields) block.texts.push_back(ReadText(data, size, field));
    return BlockReadResult::Ok;
}

std::vector<std::uint8_t> WriteExchangeBlock(std::uint32_t format, std::int32_t frequencyHz,
                                             const std::vector<std::string>& texts) {
    const std::span<const TextField> fields = FieldsOf(format);
    if (fields.empty()) return {};
    auto textAt = [&texts](std::size_t index) {
        return index < texts.size() ? texts[index] : std::string();
    };
    const TextField& last = fields.back();
    const std::size_t size = last.size == kToTheNul
                                 ? last.offset + textAt(fields.size() - 1).size() + 1
                                 : last.offset + last.size;
    std::vector<std::uint8_t> block(size, 0);
    WriteLe32Signed(block.data(), frequencyHz);
    for (std::size_t i = 0; i < fields.size(); ++i) {
        const std::string text = textAt(i);
        const std::size_t room = fields[i].size == kToTheNul ? text.size() : fields[i].size - 1;
        std::memcpy(block.data() + fields[i].offset, text.data(), std::min(room, text.size()));
    }
    return block;
}
