#include "stations/name_encoding.h"

#include <gtest/gtest.h>

#include <string>

namespace {

constexpr NameEncoding kUtf8 = NameEncoding::Utf8;
constexpr NameEncoding kWindows1252 = NameEncoding::Windows1252;

struct DisplayCase {
    const char* name;
    std::string stored;
    NameEncoding encoding;
    std::string shown;
};

class NameToDisplayTest : public testing::TestWithParam<DisplayCase> {};

TEST_P(NameToDisplayTest, ShowsTheNameAsUtf8) {
    EXPECT_EQ(NameToDisplay(GetParam().stored, GetParam().encoding), GetParam().shown);
}

INSTANTIATE_TEST_SUITE_P(
    Names, NameToDisplayTest,
    testing::Values(
        DisplayCase{"Windows1252HighControlRow", "\x80\x8A\x93\x94\x9F", kWindows1252, "€Š“”Ÿ"},
        DisplayCase{"UnassignedByteKeepsItsNumber", "\x81", kWindows1252, "\xC2\x81"},
        // A Windows-1252 file's name is never taken for UTF-8, even where it would pass as such.
        DisplayCase{"ValidUtf8InAWindows1252File", "\xC3\xB1", kWindows1252, "Ã±"},
        DisplayCase{"InvalidUtf8InAUtf8FileReadAs1252", "Espa\xF1ol", kUtf8, "Español"},
        DisplayCase{"OverlongFormIsNoUtf8", "\xC0\xAF", kUtf8, "À¯"},
        DisplayCase{"SurrogateIsNoUtf8", "\xED\xA0\x80", kUtf8, "í\xC2\xA0€"},
        DisplayCase{"CutSequenceIsNoUtf8", "Caf\xC3", kUtf8, "CafÃ"}),
    [](const auto& row) { return std::string(row.param.name); });

TEST(NameEncodingTest, EveryWindows1252ByteComesBackFromItsText) {
    std::string all;
    for (int byte = 1; byte < 256; ++byte) all += static_cast<char>(byte);
    const std::string shown = NameToDisplay(all, kWindows1252);
    EXPECT_TRUE(IsValidUtf8(shown));
    EXPECT_EQ(NameFromDisplay(shown, kWindows1252), all);
}

TEST(NameEncodingTest, TextIsStoredInTheFilesEncoding) {
    EXPECT_EQ(NameFromDisplay("Málaga €", kWindows1252), "M\xE1laga \x80");
    EXPECT_EQ(NameFromDisplay("Málaga €", kUtf8), "Málaga €");
    // Windows-1252 has no Greek and no emoji; broken UTF-8 stores nothing of itself either.
    EXPECT_EQ(NameFromDisplay("Ωmega \xF0\x9F\x93\xBB", kWindows1252), "?mega ?");
    EXPECT_EQ(NameFromDisplay("x\xFFy", kUtf8), "x?y");
}

}  // namespace
