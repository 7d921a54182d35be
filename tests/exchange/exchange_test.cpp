#include "exchange/exchange.h"

#include <memory>
#include <ostream>

#include "base/control_ids.h"
#include "exchange/exchange_value.h"
#include "exchange/little_endian.h"
#include "exchange_fixture.h"
#include "support/controller_test_access.h"
#include "support/row_name.h"
#include "support/station_walk.h"

namespace {

// --- Tune (type 1000) ---

struct TuneCase {
    const char* name;
    std::uint32_t format;
    std::int32_t sentHz;
    int tunedHz;
};

// Failures name the row rather than dumping its bytes.
void PrintTo(const TuneCase& row, std::ostream* out) {
    *out << row.name;
}

class TuneMessageTest : public ExchangeTest, public ::testing::WithParamInterface<TuneCase> {};

TEST_P(TuneMessageTest, TunesTheFrequencyAndLeavesEverythingElse) {
    Start({StationRecord("Kept", 9580000, 0, 2, 28, 0)});
    controller.ContinuousTuning(1, 1);
    const TuneCase& row = GetParam();
    device.ClearRecords();

    EXPECT_EQ(Receive(kTuneMessage + row.format,
                      WriteExchangeBlock(row.format, row.sentHz, {"A|B", "C", "D"})),
              0);

    EXPECT_EQ(ControllerTestAccess::Settings(controller).Frequency, row.tunedHz);
    EXPECT_EQ(CommandLetters(), "N");
    EXPECT_FALSE(clock.IsRunning(kRepeatTimer));
    EXPECT_EQ(ControllerTestAccess::Settings(controller).Mode, 1);
    EXPECT_EQ(dialog.ModeIndex(), 1);
    EXPECT_EQ(ControllerTestAccess::Settings(controller).AGC, 3);
    EXPECT_EQ(ControllerTestAccess::Settings(controller).Filter, 10);
    EXPECT_EQ(ControllerTestAccess::Settings(controller).PBShiftActive, 1);
    EXPECT_TRUE(host.messages.empty());
    EXPECT_EQ(StationLines(ControllerTestAccess::Stations(controller)),
              std::vector<std::string>{"Kept|9580000|0|2|28|0"});
    EXPECT_EQ(ControllerTestAccess::Stations(controller).IsModified(), 0);
}

INSTANTIATE_TEST_SUITE_P(Formats, TuneMessageTest,
                         ::testing::Values(TuneCase{"Format1", 1, 9580000, 9580000},
                                           TuneCase{"Format2", 2, 9580000, 9580000},
                                           TuneCase{"Format3", 3, 9580000, 9580000},
                                           TuneCase{"AboveTheRange", 1, 50000000, 30000000},
                                           TuneCase{"BelowTheRange", 2, -5, 100000}),
                         RowName());

// --- Unknown types and formats ---

struct RefusedCase {
    const char* name;
    std::uint32_t value;
    const char* message;
    bool stopsContinuousTuning;
};

// Failures name the row rather than dumping its bytes.
void PrintTo(const RefusedCase& row, std::ostream* out) {
    *out << row.name;
}

class RefusedMessageTest : public ExchangeTest,
                           public ::testing::WithParamInterface<RefusedCase> {};

TEST_P(RefusedMessageTest, ShowsItsInternalErrorAndChangesNothingElse) {
    Start({StationRecord("Kept", 9580000, 0, 2, 28, 0)});
    controller.ContinuousTuning(1, 1);
    const int frequency = ControllerTestAccess::Settings(controller).Frequency;
    device.ClearRecords();
    const RefusedCase& row = GetParam();

    Receive(row.value, WriteExchangeBlock(1, 9580000, {"New", "", ""}));

    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_EQ(host.messages[0].text, row.message);
    EXPECT_EQ(host.messages[0].buttons, MessageButtons::Ok);
    EXPECT_EQ(host.messages[0].icon, MessageIcon::Exclamation);
    EXPECT_EQ(clock.IsRunning(kRepeatTimer), !row.stopsContinuousTuning);
    EXPECT_EQ(ControllerTestAccess::Settings(controller).Frequency, frequency);
    EXPECT_EQ(CommandLetters(), "");
    EXPECT_EQ(window.RowCount(), 1);
    EXPECT_EQ(ControllerTestAccess::Stations(controller).IsModified(), 0);
}

INSTANTIATE_TEST_SUITE_P(
    Values, RefusedMessageTest,
    ::testing::Values(RefusedCase{"Tune1004", 1004, kUnknownFormatMessage, true},
                      RefusedCase{"Tune1000", 1000, kUnknownFormatMessage, true},
                      RefusedCase{"Station2004", 2004, kUnknownFormatMessage, true},
                      RefusedCase{"Station2999", 2999, kUnknownFormatMessage, true},
                      RefusedCase{"Type3001", 3001, kUnknownTypeMessage, false},
                      RefusedCase{"TypeZero", 1, kUnknownTypeMessage, false},
                      RefusedCase{"OwnFrequencyMessage10001", 10001, kUnknownTypeMessage, false},
                      RefusedCase{"LargestValue", 4294967295u, kUnknownTypeMessage, false}),
    RowName());

// A partner never waits on the user: the message is answered, then its notice opens; and
// while one is waiting or open, more bad messages open no more (but still do their part).
TEST_F(ExchangeTest, BadMessagesAreAnsweredBeforeTheirNoticeWhichOpensOnceAtATime) {
    Start();
    controller.ContinuousTuning(1, 1);
    const Bytes block = WriteExchangeBlock(1, 9580000, {"", "", ""});

    EXPECT_EQ(dialog.OnCopyData(3001, block.data(), block.size()), 0);
    EXPECT_TRUE(host.messages.empty());
    EXPECT_EQ(dialog.OnCopyData(1004, block.data(), block.size()), 0);
    EXPECT_FALSE(clock.IsRunning(kRepeatTimer));
    host.RunPosted();
    EXPECT_EQ(MessageTexts(), std::vector<std::string>{kUnknownTypeMessage});

    Receive(2004, block);
    EXPECT_EQ(MessageTexts(),
              (std::vector<std::string>{kUnknownTypeMessage, kUnknownFormatMessage}));
}

// --- Station (type 2000), a stored station on the frequency ---

TEST_F(ExchangeTest, AStationOnTheFrequencyIsTunedTheNewerOfTwoWinning) {
    Start({StationRecord("Older", 9580000, 0, 1, 5, 0),
           StationRecord("Between", 6000000, 3, 1, 2, 0),
           StationRecord("Newer", 9580000, 2, 1, 20, -300)});
    controller.ContinuousTuning(1, 1);

    Receive(2001, WriteExchangeBlock(1, 9580000, {"Ignored", "", ""}));

    EXPECT_FALSE(clock.IsRunning(kRepeatTimer));
    EXPECT_EQ(ControllerTestAccess::Settings(controller).Frequency, 9580000);
    EXPECT_EQ(ControllerTestAccess::Settings(controller).Mode, 2);
    EXPECT_EQ(dialog.ModeIndex(), 2);
    EXPECT_EQ(ControllerTestAccess::Settings(controller).AGC, 1);
    EXPECT_EQ(dialog.AgcIndex(), 0);
    EXPECT_EQ(ControllerTestAccess::Settings(controller).Filter, 20);
    EXPECT_EQ(ControllerTestAccess::Settings(controller).PBShiftActive, 1);
    EXPECT_EQ(ControllerTestAccess::Settings(controller).PBShift, -300);
    EXPECT_EQ(window.GetSelectedRow(), RowOf(nodes[2]));
    EXPECT_EQ(window.RowCount(), 3);
    EXPECT_EQ(ControllerTestAccess::Stations(controller).IsModified(), 0);
    EXPECT_TRUE(host.messages.empty());
}

TEST_F(ExchangeTest, AStoredStationWithoutShiftSwitchesTheShiftOff) {
    Start({StationRecord("Plain", 11700000, 0, 2, 28, 0),
           StationRecord("Other", 15000000, 0, 2, 28, 0)});

    Receive(2003, WriteExchangeBlock(3, 11700000, {"W", "X", "Y", "Z"}));

    EXPECT_EQ(ControllerTestAccess::Settings(controller).PBShiftActive, 0);
    EXPECT_EQ(ControllerTestAccess::Settings(controller).PBShift, 0);
    EXPECT_EQ(window.GetSelectedRow(), RowOf(nodes[0]));
    EXPECT_EQ(window.RowCount(), 2);
}

// --- Station (type 2000), no station on the frequency: a new one ---

TEST_F(ExchangeTest, ANewStationGoesOnTopOfTheSortedListSelectedAndTuned) {
    Start(
        {StationRecord("High", 15000000, 0, 2, 28, 0), StationRecord("Low", 5000000, 0, 2, 28, 0)});
    ASSERT_EQ(window.rows[0].name, "Low");
    controller.ContinuousTuning(1, 1);
    device.ClearRecords();

    Receive(2003, WriteExchangeBlock(3, 11700000, {"W", "X", "Y", "Z"}));

    ASSERT_EQ(window.RowCount(), 3);
    EXPECT_EQ(window.rows[0].name, "W (X), Y, Z");
    EXPECT_EQ(window.rows[0].frequencyText, "11.700000");
    EXPECT_EQ(window.rows[1].name, "Low");
    EXPECT_EQ(window.GetSelectedRow(), 0);
    EXPECT_EQ(ControllerTestAccess::Stations(controller).IsModified(), 1);
    StationRecord stored;
    ASSERT_EQ(ControllerTestAccess::Stations(controller).Get(window.rows[0].node, stored), 0);
    EXPECT_EQ(stored.name, "W (X), Y, Z");
    // The receiver's settings of the moment, the shift as it is in effect.
    EXPECT_EQ(StationLines(ControllerTestAccess::Stations(controller))[0],
              "W (X), Y, Z|11700000|1|3|10|250");
    EXPECT_EQ(ControllerTestAccess::Settings(controller).Frequency, 11700000);
    EXPECT_EQ(CommandLetters(), "N");
    EXPECT_FALSE(clock.IsRunning(kRepeatTimer));
    EXPECT_TRUE(host.messages.empty());
}

TEST_F(ExchangeTest, ThreeEmptyTextsStoreAStationNamedTwoCommas) {
    ControllerTestAccess::Settings(controller).PBShiftActive = 0;
    ControllerTestAccess::Settings(controller).DisplayMHz = 0;
    Start();

    Receive(2001, WriteExchangeBlock(1, 9580000, {"", "", ""}));

    ASSERT_EQ(window.RowCount(), 1);
    EXPECT_EQ(window.rows[0].frequencyText, " 9580.000");
    EXPECT_EQ(StationLines(ControllerTestAccess::Stations(controller)),
              std::vector<std::string>{",,|9580000|1|3|10|0"});
}

// The partner on Windows sends Windows-1252 text; the list keeps the encoding of its file.
TEST_F(ExchangeTest, AnEightBitNameJoinsAUtf8ListAsUtf8) {
    Start({StationRecord("Español", 6000000, 0, 2, 28, 0)});
    Receive(2001, WriteExchangeBlock(1, 9580000, {"M\xE1laga", "", ""}));
    EXPECT_EQ(window.rows[0].name, "Málaga,,");
    EXPECT_EQ(StationLines(controller.Stations())[0], "M\xC3\xA1laga,,|9580000|1|3|10|250");
}

TEST_F(ExchangeTest, AnEightBitNameJoinsAWindows1252ListUnchanged) {
    Start({StationRecord("Espa\xF1ol", 6000000, 0, 2, 28, 0)});
    Receive(2001, WriteExchangeBlock(1, 9580000, {"M\xE1laga", "", ""}));
    EXPECT_EQ(window.rows[0].name, "Málaga,,");
    EXPECT_EQ(StationLines(controller.Stations())[0], "M\xE1laga,,|9580000|1|3|10|250");
}

TEST_F(ExchangeTest, AFrequencyBeyondTheLimitsIsStoredAsSentAndTunedClamped) {
    Start();
    Receive(2002, WriteExchangeBlock(2, 31000000, {"Far", "", ""}));
    EXPECT_EQ(StationLines(ControllerTestAccess::Stations(controller)),
              std::vector<std::string>{"Far,,|31000000|1|3|10|250"});
    EXPECT_EQ(ControllerTestAccess::Settings(controller).Frequency, 30000000);
}

TEST_F(ExchangeTest, TextsWithoutTheirNulEndAtTheirFieldOrAtTheEndOfWhatArrived) {
    Start();
    Bytes block = WriteExchangeBlock(2, 9580000, {"Radio X", "", "Lang"});
    std::fill(block.begin() + 54, block.begin() + 104, std::uint8_t{'c'});
    block.resize(108);  // the last text's NUL is missing
    // Exactly as large as what arrived, so reading further is caught.
    const auto data = std::make_unique<std::uint8_t[]>(block.size());
    std::copy(block.begin(), block.end(), data.get());

    dialog.OnCopyData(2002, data.get(), block.size());

    ASSERT_EQ(window.RowCount(), 1);
    EXPECT_EQ(window.rows[0].name, "Radio X, " + std::string(50, 'c') + ", Lang");
}

TEST_F(ExchangeTest, SeparatorsOfTheStationFileAreReplacedSoTheFileReadsBackTheSame) {
    Start();
    Receive(2001, WriteExchangeBlock(1, 9580000, {"Radio|X", "two\r\nlines", "end\n"}));

    ASSERT_EQ(window.RowCount(), 1);
    EXPECT_EQ(window.rows[0].name, "Radio/X, two  lines, end");
    const std::vector<std::string> lines = StationLines(ControllerTestAccess::Stations(controller));
    CStationList reloaded;
    ASSERT_EQ(reloaded.Parse(ControllerTestAccess::Stations(controller).Serialize()), 0);
    EXPECT_EQ(StationLines(reloaded), lines);
}

TEST_F(ExchangeTest, BlocksTooShortForAFrequencyAreIgnored) {
    Start({StationRecord("Kept", 9580000, 0, 2, 28, 0)});
    const int frequency = ControllerTestAccess::Settings(controller).Frequency;
    const Bytes three = {0xE0, 0x2D, 0x92};

    Receive(1001, three);
    Receive(2002, three);
    EXPECT_EQ(dialog.OnCopyData(2003, nullptr, 0), 0);

    EXPECT_EQ(ControllerTestAccess::Settings(controller).Frequency, frequency);
    EXPECT_EQ(window.RowCount(), 1);
    EXPECT_EQ(ControllerTestAccess::Stations(controller).IsModified(), 0);
    EXPECT_TRUE(host.messages.empty());
}

// --- "ZEL" ---

TEST_F(ExchangeTest, ZelWithoutAPartnerSaysItIsNotActiveAndSendsNothing) {
    bus.AddWindow("  ZORIVAN  Ten-Tec RX-320 Control Program");
    bus.AddWindow("Zelka");
    bus.AddWindow("  ");
    Start();

    dialog.OnCommand(IDC_ZEL);

    EXPECT_TRUE(bus.sent.empty());
    ASSERT_EQ(host.messages.size(), 1u);
    EXPECT_EQ(host.messages[0].text, "ZELKA is not active!");
    EXPECT_EQ(host.messages[0].buttons, MessageButtons::Ok);
}

TEST_F(ExchangeTest, ZelWithoutABusSaysItIsNotActive) {
    dialog.SetCopyDataBus(nullptr);
    Start();
    dialog.OnCommand(IDC_ZEL);
    EXPECT_EQ(MessageTexts(), std::vector<std::string>{"ZELKA is not active!"});
}

TEST_F(ExchangeTest, ZelSendsTheFrequencyToTheFirstWindowNamedZelkaAfterBlanks) {
    bus.AddWindow("  ZORIVAN  Ten-Tec RX-320 Control Program");
    const std::string partner = bus.AddWindow("   ZELKA Station Database");
    bus.AddWindow("ZELKA second");
    Start();
    controller.ContinuousTuning(1, 1);
    const int frequency = ControllerTestAccess::Settings(controller).Frequency;

    dialog.OnCommand(IDC_ZEL);

    EXPECT_TRUE(host.messages.empty());
    EXPECT_TRUE(clock.IsRunning(kRepeatTimer));
    ASSERT_EQ(bus.sent.size(), 1u);
    EXPECT_EQ(bus.sent[0].address, partner);
    EXPECT_EQ(bus.sent[0].value, 10001u);
    Bytes expected(76, 0);
    WriteLe32Signed(expected.data(), frequency);
    EXPECT_EQ(bus.sent[0].block, expected);
}

TEST_F(ExchangeTest, ZelToAPartnerThatDoesNotAnswerSaysItIsNotActive) {
    bus.AddWindow("ZELKA hung", false);
    Start();
    dialog.OnCommand(IDC_ZEL);
    EXPECT_EQ(MessageTexts(), std::vector<std::string>{"ZELKA is not active!"});
}

}  // namespace
