#include "link/tuning_command.h"

#include <gtest/gtest.h>

#include <array>
#include <string>

#include "link/filter_table.h"
#include "support/row_name.h"
#include "support/tuning_examples.h"

namespace {

TuningInput InputOf(const TuningExample& example) {
    TuningInput input;
    input.frequencyHz = example.frequencyHz;
    input.mode = example.mode;
    input.filterIndex = example.filterIndex;
    input.passbandShiftHz = example.passbandShiftHz;
    input.cwFrequencyHz = example.cwFrequencyHz;
    return input;
}

class TuningExampleTest : public testing::TestWithParam<TuningExample> {};

TEST_P(TuningExampleTest, GivesThePublishedFactorsAndBytes) {
    const TuningExample& example = GetParam();
    const TuningFactors factors = ComputeTuningFactors(InputOf(example));
    EXPECT_EQ(factors.coarse, example.coarse);
    EXPECT_EQ(factors.fine, example.fine);
    EXPECT_EQ(factors.bfo, example.bfo);
    EXPECT_EQ(EncodeTuningCommand(factors), example.bytes);
}

INSTANTIATE_TEST_SUITE_P(Published, TuningExampleTest, testing::ValuesIn(kTuningExamples),
                         RowName());

struct CorrectionRow {
    std::string name;
    CorrectionPoints points;
    int frequencyHz;
    int expectedHz;
};

class CorrectionAtTest : public testing::TestWithParam<CorrectionRow> {};

TEST_P(CorrectionAtTest, FollowsTheLineThroughBothPoints) {
    EXPECT_EQ(CorrectionAt(GetParam().points, GetParam().frequencyHz), GetParam().expectedHz);
}

const CorrectionPoints kSlopedPoints{5000000, -100, 25000000, 200};

INSTANTIATE_TEST_SUITE_P(
    Points, CorrectionAtTest,
    testing::Values(
        CorrectionRow{"BetweenThePoints", kSlopedPoints, 10000000, -25},
        CorrectionRow{"BelowBothPoints", kSlopedPoints, 1000000, -160},
        CorrectionRow{"BeyondBothPoints", kSlopedPoints, 30000000, 275},
        CorrectionRow{"AtPointOne", kSlopedPoints, 5000000, -100},
        CorrectionRow{"AtPointTwo", kSlopedPoints, 25000000, 200},
        CorrectionRow{"PointsInEitherOrder", {25000000, 200, 5000000, -100}, 10000000, -25},
        // -1.5 Hz: toward zero gives -1 where rounding down would give -2.
        CorrectionRow{
            "NegativeFractionTruncatesTowardZero", {5000000, 0, 25000000, -3}, 15000000, -1},
        CorrectionRow{
            "PositiveFractionTruncatesTowardZero", {5000000, 0, 25000000, 3}, 15000000, 1},
        CorrectionRow{"InitialPointsGiveNone", CorrectionPoints{}, 7100000, 0},
        // Not reachable through the link; a line needs two frequencies, so no division by zero.
        CorrectionRow{"CoincidentPointsKeepPointOne", {10000000, 30, 10000000, 90}, 20000000, 30}),
    RowName());

TEST(TuningFactorsTest, CorrectionMovesTheTuningLikeTheDial) {
    TuningInput corrected = InputOf(kTuningExamples[1]);
    corrected.correctionHz = -25;
    TuningInput detuned = InputOf(kTuningExamples[1]);
    detuned.frequencyHz -= 25;
    const TuningFactors a = ComputeTuningFactors(corrected);
    const TuningFactors b = ComputeTuningFactors(detuned);
    EXPECT_EQ(a.coarse, b.coarse);
    EXPECT_EQ(a.fine, b.fine);
    EXPECT_EQ(a.bfo, b.bfo);
}

TEST(TuningFactorsTest, InCwOnlyTheBfoFollowsAndFilterAndShiftDoNotMove) {
    TuningInput narrow = InputOf(kTuningExamples[3]);
    TuningInput wideShifted = narrow;
    wideShifted.filterIndex = 33;
    wideShifted.passbandShiftHz = 1000;
    const TuningFactors a = ComputeTuningFactors(narrow);
    const TuningFactors b = ComputeTuningFactors(wideShifted);
    EXPECT_EQ(a.coarse, b.coarse);
    EXPECT_EQ(a.fine, b.fine);
    EXPECT_EQ(a.bfo, b.bfo);

    TuningInput negativeBeat = narrow;
    negativeBeat.cwFrequencyHz = -15000;
    const TuningFactors c = ComputeTuningFactors(negativeBeat);
    EXPECT_EQ(c.coarse, a.coarse);
    EXPECT_EQ(c.bfo, -19110);  // (-15000 + 8000) x 2.73
    EXPECT_EQ(EncodeTuningCommand(c)[5], 0xB5);
    EXPECT_EQ(EncodeTuningCommand(c)[6], 0x5A);
}

TEST(TuningFactorsTest, NegativeTSendsFineAsTwosComplement) {
    TuningInput input;
    input.frequencyHz = 10000;
    input.mode = 2;          // LSB: offset 8000 / 2 + 1000 + 200 = 5200
    input.filterIndex = 35;  // 8000 Hz
    input.passbandShiftHz = 1000;
    input.correctionHz = -5000;  // T = 10000 - 5000 - 5200 - 1250 = -1450
    const TuningFactors factors = ComputeTuningFactors(input);
    EXPECT_EQ(factors.coarse, 18000);
    EXPECT_EQ(factors.fine, -7917);
    EXPECT_EQ(factors.bfo, 36036);
    const std::array<std::uint8_t, 8> expected{0x4E, 0x46, 0x50, 0xE1, 0x13, 0x8C, 0xC4, 0x0D};
    EXPECT_EQ(EncodeTuningCommand(factors), expected);
}

// The double products agree with exact integer arithmetic everywhere they are used, so no dial
// position is off by one from floating-point error.
TEST(TuningFactorsTest, FineMatchesExactArithmeticForEveryRemainder) {
    for (int remainder = -2499; remainder <= 2499; ++remainder) {
        TuningInput input;
        input.mode = 0;
        // T = frequency - 1250: a high dial for positive remainders, T itself for negative ones.
        input.frequencyHz = 1250 + remainder + (remainder >= 0 ? 7000000 : 0);
        ASSERT_EQ(ComputeTuningFactors(input).fine, remainder * 546 / 100)
            << "remainder " << remainder;
    }
}

TEST(TuningFactorsTest, BfoMatchesExactArithmeticOverTheWholeRange) {
    for (int cwHz = -15000; cwHz <= 15000; ++cwHz) {
        TuningInput input;
        input.mode = 3;
        input.cwFrequencyHz = cwHz;
        ASSERT_EQ(ComputeTuningFactors(input).bfo, (cwHz + 8000) * 273 / 100) << "CW " << cwHz;
    }
    for (int filter = 0; filter < FilterTable::kRowCount; ++filter) {
        for (int shiftHz = -1000; shiftHz <= 1000; ++shiftHz) {
            TuningInput input;
            input.mode = 1;
            input.filterIndex = filter;
            input.passbandShiftHz = shiftHz;
            const int offsetHz = FilterTable::kRows[filter].bandwidthHz / 2 + shiftHz + 200;
            ASSERT_EQ(ComputeTuningFactors(input).bfo, (offsetHz + 8000) * 273 / 100)
                << "filter " << filter << " shift " << shiftHz;
        }
    }
}

struct SignalRow {
    std::string name;
    std::uint8_t high;
    std::uint8_t low;
    int expectedDb;
};

class SignalLevelTest : public testing::TestWithParam<SignalRow> {};

TEST_P(SignalLevelTest, IsTwentyLogOfTheRawValueTruncated) {
    EXPECT_EQ(SignalLevelDb(GetParam().high, GetParam().low), GetParam().expectedDb);
}

INSTANTIATE_TEST_SUITE_P(Replies, SignalLevelTest,
                         testing::Values(SignalRow{"ZeroCountsAsOne", 0x00, 0x00, 0},
                                         SignalRow{"One", 0x00, 0x01, 0},
                                         SignalRow{"Ten", 0x00, 0x0A, 20},
                                         SignalRow{"Thousand", 0x03, 0xE8, 60},
                                         SignalRow{"HighByteWeighs256", 0x01, 0x00, 48},
                                         SignalRow{"TenThousand", 0x27, 0x10, 80},
                                         SignalRow{"FullScale", 0xFF, 0xFF, 96}),
                         RowName());

struct VersionRow {
    std::string name;
    std::string reply;  // exactly 7 bytes
    bool parsed;
    int version;
};

class VersionReplyTest : public testing::TestWithParam<VersionRow> {};

TEST_P(VersionReplyTest, ScansBytesThreeToSixAsAnInteger) {
    const VersionRow& row = GetParam();
    ASSERT_EQ(row.reply.size(), 7u);
    std::uint8_t reply[7];  // its own array, so a scan past the seventh byte trips the sanitizer
    for (int i = 0; i < 7; ++i) reply[i] = static_cast<std::uint8_t>(row.reply[i]);
    int version = -12345;
    EXPECT_EQ(ParseVersionReply(reply, version), row.parsed);
    if (row.parsed) {
        EXPECT_EQ(version, row.version);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Replies, VersionReplyTest,
    testing::Values(VersionRow{"Typical", "VER 103", true, 103},
                    VersionRow{"FourDigitsUpToTheEnd", "VER1234", true, 1234},
                    VersionRow{"FirstThreeBytesIgnored", "9 9 205", true, 205},
                    VersionRow{"LeadingWhiteSpaceSkipped", std::string("VER\t\n42"), true, 42},
                    VersionRow{"StopsAtNonDigit", "VER 1x3", true, 1},
                    VersionRow{"StopsAtZeroByte", std::string("VER 10\0", 7), true, 10},
                    VersionRow{"Signed", "VER -5 ", true, -5},
                    VersionRow{"PlusSign", "VER +7x", true, 7},
                    VersionRow{"Letters", "VER ABC", false, 0},
                    VersionRow{"OnlyBlanks", "VER    ", false, 0},
                    VersionRow{"SignWithoutDigits", "VER  - ", false, 0}),
    RowName());

}  // namespace
