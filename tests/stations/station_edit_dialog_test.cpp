#include "stations/commands/station_edit_dialog.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "base/minimum_frequency.h"
#include "support/fake_host.h"
#include "support/scripted_dialog.h"

namespace {

constexpr const char* kIllegal = "Illegal Input !\n(Please enter a number)";

class StationEditDialogTest : public ::testing::Test {
  protected:
    StationEditDialogTest() {
        MinimumFrequency = kDefaultMinimumFrequency;
        dialog.name = "Example";
        dialog.modeChoice = 2;
        dialog.agcChoice = 0;
        dialog.displayMHz = 1;
        dialog.frequency = 7100000;
        dialog.passbandShift = -250;
        dialog.filter = 12;
    }
    ~StationEditDialogTest() override { MinimumFrequency = kDefaultMinimumFrequency; }

    void Open() {
        DeclareTemplateGroups(dialog.TemplateId(), window);
        dialog.OnInitDialog(window);
    }
    // The user types into one field and presses OK.
    void TypeAndOk(int id, const std::string& text) {
        window.SetText(id, text);
        dialog.OnCommand(window, IDOK);
    }
    std::vector<std::string> Messages() const {
        std::vector<std::string> texts;
        for (const auto& message : host.messages) texts.push_back(message.text);
        return texts;
    }

    FakeHost host;
    FakeDialogWindow window;
    CStationEditDialog dialog{host};
};

TEST_F(StationEditDialogTest, OpensWithTheStationsValuesAndTheFocusOnTheName) {
    Open();
    EXPECT_EQ(window.GetText(IDC_EDIT_NAME), "Example");
    EXPECT_EQ(window.GetText(IDC_EDIT_FREQUENCY), " 7.100000");
    EXPECT_EQ(window.GetText(IDC_EDIT_PBSHIFT), "-250");
    EXPECT_EQ(window.GetRadioIndex(IDC_EDIT_MODE_AM), 2);
    EXPECT_EQ(window.GetCheck(IDC_EDIT_MODE_LSB), 1);
    EXPECT_EQ(window.GetRadioIndex(IDC_EDIT_AGC_SLOW), 0);
    EXPECT_EQ(window.GetListSelection(IDC_EDIT_FILTER), 12);
    EXPECT_EQ(window.focus, IDC_EDIT_NAME);
}

TEST_F(StationEditDialogTest, TheFilterBoxListsAllThirtySixBandwidthsInTableOrder) {
    Open();
    const std::vector<std::string>& items = window.listItems[IDC_EDIT_FILTER];
    ASSERT_EQ(items.size(), 36u);
    EXPECT_EQ(items.front(), "300");
    EXPECT_EQ(items[12], "1500");
    EXPECT_EQ(items[28], "4800");
    EXPECT_EQ((std::vector<std::string>(items.end() - 4, items.end())),
              (std::vector<std::string>{"6000", "8000", "8000", "8000"}));
}

TEST_F(StationEditDialogTest, KilohertzFieldShowsThreeDecimals) {
    dialog.displayMHz = 0;
    Open();
    EXPECT_EQ(window.GetText(IDC_EDIT_FREQUENCY), " 7100.000");
}

TEST_F(StationEditDialogTest, OkTakesTheEditedValues) {
    Open();
    window.SetText(IDC_EDIT_NAME, "  Radio Nord ");
    window.ClickRadio(IDC_EDIT_MODE_CW);
    window.ClickRadio(IDC_EDIT_AGC_FAST);
    window.SetListSelection(IDC_EDIT_FILTER, 33);
    window.SetText(IDC_EDIT_PBSHIFT, "  100");
    TypeAndOk(IDC_EDIT_FREQUENCY, "9.58");
    EXPECT_EQ(window.endResult, IDOK);
    EXPECT_TRUE(host.messages.empty());
    EXPECT_EQ(dialog.name, "  Radio Nord ");
    EXPECT_EQ(dialog.modeChoice, 3);
    EXPECT_EQ(dialog.agcChoice, 2);
    EXPECT_EQ(dialog.filter, 33);
    EXPECT_EQ(dialog.frequency, 9580000);
    EXPECT_EQ(dialog.passbandShift, 100);
}

struct FrequencyCase {
    const char* name;
    int displayMHz;
    int minimumHz;
    const char* text;
    const char* message;  // empty when accepted
    int frequencyHz;      // when accepted
};

class StationEditFrequencyTest : public StationEditDialogTest,
                                 public ::testing::WithParamInterface<FrequencyCase> {};

TEST_P(StationEditFrequencyTest, FieldIsCheckedForSyntaxAndRange) {
    const FrequencyCase& c = GetParam();
    MinimumFrequency = c.minimumHz;
    dialog.displayMHz = c.displayMHz;
    Open();
    TypeAndOk(IDC_EDIT_FREQUENCY, c.text);
    if (std::string(c.message).empty()) {
        EXPECT_TRUE(host.messages.empty());
        EXPECT_EQ(window.endResult, IDOK);
        EXPECT_EQ(dialog.frequency, c.frequencyHz);
    } else {
        EXPECT_EQ(Messages(), (std::vector<std::string>{c.message}));
        EXPECT_EQ(host.messages[0].buttons, MessageButtons::Ok);
        EXPECT_EQ(window.endResult, 0);
        EXPECT_EQ(window.focus, IDC_EDIT_FREQUENCY);
        EXPECT_EQ(dialog.frequency, 7100000);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Inputs, StationEditFrequencyTest,
    ::testing::Values(FrequencyCase{"BlanksAroundMHz", 1, 100000, " 7.1 ", "", 7100000},
                      FrequencyCase{"CommaIsNoDecimalPoint", 1, 100000, "7,1", kIllegal, 0},
                      FrequencyCase{"LettersAfterNumber", 0, 100000, "7100kHz", kIllegal, 0},
                      FrequencyCase{"NoNumberAtAll", 0, 100000, "abc", kIllegal, 0},
                      FrequencyCase{"FortyMHzAboveRange", 1, 100000, "40",
                                    "Please enter a number between     0.1 and    30.0 !", 0},
                      FrequencyCase{"KHzBelowRange", 0, 100000, "99.999",
                                    "Please enter a number between   100.0 and 30000.0 !", 0},
                      FrequencyCase{"LowMinimumInMHz", 1, 10000, "0.009",
                                    "Please enter a number between     0.0 and    30.0 !", 0},
                      FrequencyCase{"LowMinimumInKHz", 0, 10000, "9",
                                    "Please enter a number between    10.0 and 30000.0 !", 0},
                      FrequencyCase{"EmptyReadsAsZero", 0, 100000, "   ",
                                    "Please enter a number between   100.0 and 30000.0 !", 0},
                      FrequencyCase{"LowerLimitItself", 0, 10000, "10", "", 10000},
                      FrequencyCase{"UpperLimitItself", 1, 100000, "30", "", 30000000},
                      FrequencyCase{"FractionOfAHertzDropped", 0, 100000, "7100.0009", "", 7100000},
                      FrequencyCase{"KilohertzScaledExactly", 0, 100000, "259.520", "", 259520},
                      FrequencyCase{"MegahertzScaledExactly", 1, 100000, "8.2", "", 8200000},
                      FrequencyCase{"FractionAboveTheUpperLimit", 0, 100000, "30000.0001",
                                    "Please enter a number between   100.0 and 30000.0 !", 0},
                      FrequencyCase{"HugeExponent", 1, 100000, "1e999",
                                    "Please enter a number between     0.1 and    30.0 !", 0},
                      FrequencyCase{"Exponent", 0, 100000, "1.5e4", "", 15000000}),
    [](const auto& row) { return std::string(row.param.name); });

struct ShiftCase {
    const char* name;
    const char* text;
    const char* message;  // empty when accepted
    int shiftHz;
};

class StationEditShiftTest : public StationEditDialogTest,
                             public ::testing::WithParamInterface<ShiftCase> {};

TEST_P(StationEditShiftTest, FieldIsCheckedAndTruncatedTowardZero) {
    const ShiftCase& c = GetParam();
    Open();
    TypeAndOk(IDC_EDIT_PBSHIFT, c.text);
    if (std::string(c.message).empty()) {
        EXPECT_TRUE(host.messages.empty());
        EXPECT_EQ(window.endResult, IDOK);
        EXPECT_EQ(dialog.passbandShift, c.shiftHz);
    } else {
        EXPECT_EQ(Messages(), (std::vector<std::string>{c.message}));
        EXPECT_EQ(window.endResult, 0);
        EXPECT_EQ(window.focus, IDC_EDIT_PBSHIFT);
        EXPECT_EQ(dialog.passbandShift, -250);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Inputs, StationEditShiftTest,
    ::testing::Values(
        ShiftCase{"PositiveFraction", "12.7", "", 12},
        ShiftCase{"NegativeFraction", "-12.7", "", -12}, ShiftCase{"Empty", "", "", 0},
        ShiftCase{"Limit", "-1000", "", -1000},
        ShiftCase{"JustAbove", "1000.5", "Please enter a number between -1000 and  1000 !", 0},
        ShiftCase{"FarBelow", "-5000", "Please enter a number between -1000 and  1000 !", 0},
        ShiftCase{"NotANumber", "+-3", kIllegal, 0}),
    [](const auto& row) { return std::string(row.param.name); });

TEST_F(StationEditDialogTest, ABarAnywhereInTheNameIsRefused) {
    for (const char* name : {"|", "Radio|Nord", "Nord|"}) {
        host.messages.clear();
        Open();
        TypeAndOk(IDC_EDIT_NAME, name);
        EXPECT_EQ(
            Messages(),
            (std::vector<std::string>{"The character \" | \" is not allowed in a station name !"}))
            << name;
        EXPECT_EQ(window.endResult, 0);
        EXPECT_EQ(window.focus, IDC_EDIT_NAME);
    }
}

TEST_F(StationEditDialogTest, TheNameIsCheckedBeforeTheNumbers) {
    Open();
    window.SetText(IDC_EDIT_FREQUENCY, "x");
    TypeAndOk(IDC_EDIT_NAME, "a|b");
    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_EQ(window.focus, IDC_EDIT_NAME);
}

TEST_F(StationEditDialogTest, AnEmptyNameBecomesOneBlankShownInTheField) {
    Open();
    TypeAndOk(IDC_EDIT_NAME, "");
    EXPECT_EQ(window.endResult, IDOK);
    EXPECT_EQ(dialog.name, " ");
    EXPECT_EQ(window.GetText(IDC_EDIT_NAME), " ");
}

TEST_F(StationEditDialogTest, OnlyTheFirst127CharactersOfAFieldAreRead) {
    Open();
    // The junk lies beyond the part that is read.
    TypeAndOk(IDC_EDIT_FREQUENCY, "7.1" + std::string(124, ' ') + "junk");
    EXPECT_TRUE(host.messages.empty());
    EXPECT_EQ(dialog.frequency, 7100000);
}

TEST_F(StationEditDialogTest, CancelEndsWithoutAnyCheck) {
    Open();
    window.SetText(IDC_EDIT_NAME, "a|b");
    window.SetText(IDC_EDIT_FREQUENCY, "nonsense");
    dialog.OnCommand(window, IDCANCEL);
    EXPECT_EQ(window.endResult, IDCANCEL);
    EXPECT_TRUE(host.messages.empty());
    EXPECT_EQ(dialog.name, "Example");
}

}  // namespace
