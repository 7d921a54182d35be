#include "exchange/partner_title.h"

#include <gtest/gtest.h>

#include <ostream>

#include "support/fake_copy_data_bus.h"
#include "support/row_name.h"

namespace {

struct TitleCase {
    const char* name;
    std::string title;
    bool names;
};

// Failures name the row rather than dumping its bytes.
void PrintTo(const TitleCase& row, std::ostream* out) {
    *out << row.name;
}

class TitleNamesProgramTest : public ::testing::TestWithParam<TitleCase> {};

TEST_P(TitleNamesProgramTest, ComparesTheNameAfterLeadingBlanks) {
    EXPECT_EQ(TitleNamesProgram(GetParam().title, "ZELKA"), GetParam().names);
}

INSTANTIATE_TEST_SUITE_P(
    Titles, TitleNamesProgramTest,
    ::testing::Values(TitleCase{"Exactly", "ZELKA", true},
                      TitleCase{"WithFurtherText", "ZELKA Station Database", true},
                      TitleCase{"AfterBlanks", "   ZELKA 2.0", true},
                      TitleCase{"NameRunsOnInOneWord", "ZELKAX", true},
                      TitleCase{"OtherCase", "Zelka", false},
                      TitleCase{"CutShort", "  ZELK", false},
                      TitleCase{"BlanksOnly", "     ", false}, TitleCase{"Empty", "", false},
                      TitleCase{"TabIsNotABlank", "\tZELKA", false},
                      TitleCase{"NameLaterInTheTitle", "About ZELKA", false}),
    RowName());

TEST(FindProgramWindow, TakesTheFirstMatchAndLooksNoFurther) {
    FakeCopyDataBus bus;
    bus.AddWindow("  ZORIVAN  Ten-Tec RX-320 Control Program");
    const std::string first = bus.AddWindow(" ZELKA one");
    bus.AddWindow("ZELKA two");
    bus.AddWindow("last");

    BusWindow window;
    ASSERT_TRUE(FindProgramWindow(bus, "ZELKA", window));
    EXPECT_EQ(window.address, first);
    EXPECT_EQ(window.title, " ZELKA one");
    EXPECT_EQ(bus.visitedTitles.size(), 2u);
    EXPECT_FALSE(FindProgramWindow(bus, "NOBODY", window));
    EXPECT_EQ(window.address, first);
}

}  // namespace
