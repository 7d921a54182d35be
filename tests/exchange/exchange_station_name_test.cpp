#include "exchange/exchange_station_name.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

#include "support/row_name.h"

namespace {

struct NameCase {
    const char* name;
    std::uint32_t format;
    std::vector<std::string> texts;
    std::string expected;
};

// Failures name the row rather than dumping its bytes.
void PrintTo(const NameCase& row, std::ostream* out) {
    *out << row.name;
}

class BuildStationNameTest : public ::testing::TestWithParam<NameCase> {};

TEST_P(BuildStationNameTest, JoinsTheTextsAndTrimsAfterEachPiece) {
    const NameCase& row = GetParam();
    EXPECT_EQ(BuildStationName(row.format, row.texts), row.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Names, BuildStationNameTest,
    ::testing::Values(NameCase{"Format1", 1, {"W", "X", "Y"}, "W, X, Y"},
                      NameCase{"Format2", 2, {"W", "X", "Y"}, "W, X, Y"},
                      NameCase{"Format3", 3, {"W", "X", "Y", "Z"}, "W (X), Y, Z"},
                      NameCase{"ThreeEmptyTextsGiveTwoCommas", 1, {"", "", ""}, ",,"},
                      NameCase{"FourEmptyTexts", 3, {"", "", "", ""}, " (),,"},
                      NameCase{"TrailingBlanksAndTabsGo",
                               1,
                               {"Radio X \t", "Country  ", "Lang "},
                               "Radio X, Country, Lang"},
                      NameCase{"LeadingBlanksStay",
                               2,
                               {"  Radio X", " Country", "Lang"},
                               "  Radio X,  Country, Lang"},
                      NameCase{"EmptyMiddleText", 1, {"A", "", "C"}, "A,, C"},
                      NameCase{"EmptySecondTextInFormat3", 3, {"A", "", "C", "D"}, "A (), C, D"},
                      NameCase{"MissingTextsCountAsEmpty", 3, {"A"}, "A (),,"},
                      NameCase{"UnknownFormat", 4, {"A", "B", "C"}, ""}),
    RowName());

}  // namespace
