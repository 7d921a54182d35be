#include "exchange/exchange_block.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

#include "exchange/exchange_value.h"
#include "support/row_name.h"

namespace {

using Bytes = std::vector<std::uint8_t>;

// A block built byte by byte: the frequency, then texts written at their offsets.
Bytes BlockOf(std::size_t size, std::int32_t frequencyHz) {
    Bytes block(size, 0);
    const auto raw = static_cast<std::uint32_t>(frequencyHz);
    for (int i = 0; i < 4 && i < static_cast<int>(size); ++i)
        block[i] = static_cast<std::uint8_t>(raw >> (8 * i));
    return block;
}

void Put(Bytes& block, std::size_t offset, const std::string& text) {
    for (std::size_t i = 0; i < text.size(); ++i) block.at(offset + i) = text[i];
}

struct ReadCase {
    const char* name;
    std::uint32_t format;
    Bytes block;
    std::int32_t frequencyHz;
    std::vector<std::string> texts;
};

// Failures name the row rather than dumping its bytes.
void PrintTo(const ReadCase& row, std::ostream* out) {
    *out << row.name;
}

std::vector<ReadCase> ReadCases() {
    std::vector<ReadCase> cases;

    Bytes full1 = BlockOf(76, 9580000);
    Put(full1, 4, "Radio X");
    Put(full1, 28, "Country");
    Put(full1, 52, "Lang");
    cases.push_back({"Format1AllTexts", 1, full1, 9580000, {"Radio X", "Country", "Lang"}});

    Bytes filled1 = BlockOf(76, 6075000);
    Put(filled1, 4, std::string(24, 'A'));
    Put(filled1, 28, "B");
    cases.push_back({"Format1FieldWithoutNulEndsAtTheField",
                     1,
                     filled1,
                     6075000,
                     {std::string(24, 'A'), "B", ""}});

    Bytes short1 = BlockOf(31, 7100000);
    Put(short1, 4, "Name");
    Put(short1, 28, "Cou");
    cases.push_back({"Format1EndsInsideTheSecondText", 1, short1, 7100000, {"Name", "Cou", ""}});

    cases.push_back({"FrequencyOnly", 3, BlockOf(4, 15000000), 15000000, {"", "", "", ""}});
    cases.push_back({"NegativeFrequency", 1, BlockOf(76, -1), -1, {"", "", ""}});

    Bytes full2 = BlockOf(109, 9580000);
    Put(full2, 4, "Radio X");
    Put(full2, 54, "Country");
    Put(full2, 104, "Lang");
    cases.push_back(
        {"Format2LastTextEndsAtItsNul", 2, full2, 9580000, {"Radio X", "Country", "Lang"}});

    Bytes open2 = BlockOf(108, 9580000);
    Put(open2, 104, "Lang");
    cases.push_back(
        {"Format2LastTextWithoutNulEndsAtTheBlock", 2, open2, 9580000, {"", "", "Lang"}});

    Bytes full3 = BlockOf(206, 11700000);
    Put(full3, 4, "W");
    Put(full3, 54, "X");
    Put(full3, 154, "Y");
    Put(full3, 204, "Z");
    cases.push_back({"Format3AllTexts", 3, full3, 11700000, {"W", "X", "Y", "Z"}});

    Bytes long3 = BlockOf(204 + 600, 11700000);
    Put(long3, 54, std::string(100, 'x'));
    Put(long3, 204, std::string(600, 'z'));
    cases.push_back({"Format3LongSecondAndOpenLastText",
                     3,
                     long3,
                     11700000,
                     {"", std::string(100, 'x'), "", std::string(600, 'z')}});

    Bytes partial3 = BlockOf(160, 5000000);
    Put(partial3, 4, "Station");
    Put(partial3, 54, "Country");
    Put(partial3, 154, "Engli");
    cases.push_back({"Format3EndsInsideTheThirdText",
                     3,
                     partial3,
                     5000000,
                     {"Station", "Country", "Engli", ""}});

    Bytes separators = BlockOf(76, 9580000);
    Put(separators, 4, "A|B");
    Put(separators, 28, "two\r\nlines");
    Put(separators, 52, "|\n");
    cases.push_back({"SeparatorsOfTheStationFileAreReplaced",
                     1,
                     separators,
                     9580000,
                     {"A/B", "two  lines", "/ "}});

    Bytes highBytes = BlockOf(76, 9580000);
    Put(highBytes, 4, "R\xE4\xDFio\t");
    cases.push_back(
        {"EightBitTextsAndTabsPassUnchanged", 1, highBytes, 9580000, {"R\xE4\xDFio\t", "", ""}});
    return cases;
}

class ReadExchangeBlockTest : public ::testing::TestWithParam<ReadCase> {};

TEST_P(ReadExchangeBlockTest, ReadsOnlyTheBytesThatCame) {
    const ReadCase& row = GetParam();
    // A heap copy of exactly the received size: reading one byte further is caught.
    const auto data = std::make_unique<std::uint8_t[]>(row.block.size());
    std::copy(row.block.begin(), row.block.end(), data.get());

    ExchangeBlock block;
    ASSERT_EQ(ReadExchangeBlock(row.format, data.get(), row.block.size(), block),
              BlockReadResult::Ok);
    EXPECT_EQ(block.frequencyHz, row.frequencyHz);
    EXPECT_EQ(block.texts, row.texts);
}

INSTANTIATE_TEST_SUITE_P(Blocks, ReadExchangeBlockTest, ::testing::ValuesIn(ReadCases()),
                         RowName());

TEST(ReadExchangeBlock, RefusesUnknownFormatsAndBlocksWithoutAFrequency) {
    const Bytes block = BlockOf(76, 9580000);
    ExchangeBlock read;
    for (std::uint32_t format : {0u, 4u, 999u})
        EXPECT_EQ(ReadExchangeBlock(format, block.data(), block.size(), read),
                  BlockReadResult::UnknownFormat)
            << format;
    for (std::size_t size : {0u, 1u, 3u})
        EXPECT_EQ(ReadExchangeBlock(1, block.data(), size, read), BlockReadResult::NoFrequency)
            << size;
    EXPECT_EQ(ReadExchangeBlock(2, nullptr, 0, read), BlockReadResult::NoFrequency);
}

TEST(SplitExchangeValue, GivesTypeAndFormat) {
    EXPECT_EQ(SplitExchangeValue(2003).type, 2000u);
    EXPECT_EQ(SplitExchangeValue(2003).format, 3u);
    EXPECT_EQ(SplitExchangeValue(10001).type, 10000u);
    EXPECT_EQ(SplitExchangeValue(10001).format, 1u);
    EXPECT_EQ(SplitExchangeValue(999).type, 0u);
    EXPECT_EQ(SplitExchangeValue(999).format, 999u);
    EXPECT_EQ(SplitExchangeValue(4294967295u).type, 4294967000u);
    EXPECT_EQ(SplitExchangeValue(4294967295u).format, 295u);
}

TEST(WriteExchangeBlock, Format1IsAlways76BytesWithTextsCutToTheirFields) {
    const Bytes block = WriteExchangeBlock(1, 9580000, {std::string(30, 'a'), "b"});
    ASSERT_EQ(block.size(), kFormat1BlockSize);
    Bytes expected = BlockOf(76, 9580000);
    Put(expected, 4, std::string(23, 'a'));
    Put(expected, 28, "b");
    EXPECT_EQ(block, expected);
    EXPECT_EQ(WriteExchangeBlock(1, 9580000, {}), BlockOf(76, 9580000));
}

TEST(WriteExchangeBlock, TheLastTextOfFormats2And3RunsToItsNul) {
    const Bytes block2 = WriteExchangeBlock(2, 7100000, {"A", "B", "Lang"});
    ASSERT_EQ(block2.size(), 104u + 5u);
    const Bytes block3 = WriteExchangeBlock(3, 7100000, {"W", "X", "Y", std::string(300, 'Z')});
    ASSERT_EQ(block3.size(), 204u + 301u);
    EXPECT_EQ(block3.back(), 0);
    EXPECT_TRUE(WriteExchangeBlock(4, 7100000, {"A"}).empty());
}

TEST(WriteExchangeBlock, WhatIsWrittenReadsBackInEveryFormat) {
    const std::vector<std::string> texts = {"Radio X", "Country", "Lang", "Extra"};
    for (std::uint32_t format : {1u, 2u, 3u}) {
        const Bytes written = WriteExchangeBlock(format, 21650000, texts);
        ExchangeBlock read;
        ASSERT_EQ(ReadExchangeBlock(format, written.data(), written.size(), read),
                  BlockReadResult::Ok);
        EXPECT_EQ(read.frequencyHz, 21650000);
        const std::size_t count = format == 3 ? 4 : 3;
        EXPECT_EQ(read.texts, std::vector<std::string>(texts.begin(), texts.begin() + count))
            << format;
    }
}

}  // namespace
