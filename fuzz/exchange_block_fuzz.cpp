// The copy-data blocks as they arrive: reading never looks beyond the bytes that came, every
// text is fit for a station name, and a block written from what was read reads back the same.

#include <fuzzer/FuzzedDataProvider.h>

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "exchange/exchange_block.h"
#include "exchange/exchange_station_name.h"
#include "fuzz_check.h"

namespace {

// Bytes each text field of the format holds, its NUL included; 0 for a last text that runs to
// its NUL.
std::vector<std::size_t> FieldSizes(std::uint32_t format) {
    switch (format) {
        case 1:
            return {24, 24, 24};
        case 2:
            return {50, 50, 0};
        case 3:
            return {50, 100, 50, 0};
        default:
            return {};
    }
}

bool FitForAName(const std::string& text) {
    return text.find_first_of(std::string("|\r\n\0", 4)) == std::string::npos;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider input(data, size);
    // Mostly the three formats, sometimes any value at all.
    const std::uint32_t format = input.ConsumeBool()
                                     ? input.ConsumeIntegralInRange<std::uint32_t>(0, 4)
                                     : input.ConsumeIntegral<std::uint32_t>();
    // An exact-size copy, so that the address sanitizer sees any read past the block.
    const std::vector<std::uint8_t> block = input.ConsumeRemainingBytes<std::uint8_t>();

    ExchangeBlock read;
    const BlockReadResult result = ReadExchangeBlock(format, block.data(), block.size(), read);
    const std::vector<std::size_t> sizes = FieldSizes(format);
    FUZZ_CHECK(IsKnownBlockFormat(format) == !sizes.empty());
    if (sizes.empty()) {
        FUZZ_CHECK(result == BlockReadResult::UnknownFormat);
        FUZZ_CHECK(WriteExchangeBlock(format, 0, {}).empty());
        FUZZ_CHECK(BuildStationName(format, {"a", "b", "c"}).empty());
        return 0;
    }
    if (block.size() < 4) {
        FUZZ_CHECK(result == BlockReadResult::NoFrequency);
        return 0;
    }
    FUZZ_CHECK(result == BlockReadResult::Ok);
    FUZZ_CHECK(read.texts.size() == sizes.size());
    for (std::size_t i = 0; i < sizes.size(); ++i) {
        FUZZ_CHECK(FitForAName(read.texts[i]));
        if (sizes[i] != 0) FUZZ_CHECK(read.texts[i].size() <= sizes[i]);
    }
    const std::string name = BuildStationName(format, read.texts);
    FUZZ_CHECK(FitForAName(name));
    FUZZ_CHECK(!name.empty());

    // Written again, each fixed field keeps room for its NUL.
    const std::vector<std::uint8_t> written =
        WriteExchangeBlock(format, read.frequencyHz, read.texts);
    if (format == 1) FUZZ_CHECK(written.size() == kFormat1BlockSize);
    ExchangeBlock again;
    FUZZ_CHECK(ReadExchangeBlock(format, written.data(), written.size(), again) ==
               BlockReadResult::Ok);
    FUZZ_CHECK(again.frequencyHz == read.frequencyHz);
    for (std::size_t i = 0; i < sizes.size(); ++i) {
        const std::string expected =
            sizes[i] == 0 ? read.texts[i] : read.texts[i].substr(0, sizes[i] - 1);
        FUZZ_CHECK(again.texts[i] == expected);
    }
    return 0;
}
