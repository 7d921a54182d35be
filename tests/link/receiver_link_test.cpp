#include "link/receiver_link.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "base/minimum_frequency.h"
#include "support/row_name.h"
#include "support/scripted_serial_device.h"
#include "support/tuning_examples.h"

namespace {

using Bytes = ScriptedSerialDevice::Bytes;
using LinkCall = std::function<int(CReceiverLink&)>;

const Bytes kVersionQuery{'?', 0x0D};
const Bytes kSignalQuery{'X', 0x0D};

// Everything the link remembers, to show that a refused call changed none of it.
struct LinkState {
    int mode, agc, filter, volume, lineLevel, frequency, passbandShift, cwFrequency;
    int f1, c1, f2, c2;
    bool operator==(const LinkState&) const = default;
};

LinkState StateOf(const CReceiverLink& link) {
    const CorrectionPoints& c = link.Correction();
    return {link.Mode(),      link.Agc(),       link.FilterIndex(),   link.Volume(),
            link.LineLevel(), link.Frequency(), link.PassbandShift(), link.CwFrequency(),
            c.frequency1Hz,   c.correction1Hz,  c.frequency2Hz,       c.correction2Hz};
}

bool IsTuningCommand(const Bytes& bytes) {
    return bytes.size() == 8 && bytes.front() == 'N' && bytes.back() == 0x0D;
}

class ReceiverLinkTest : public testing::Test {
  protected:
    void SetUp() override { MinimumFrequency = kDefaultMinimumFrequency; }
    void TearDown() override { MinimumFrequency = kDefaultMinimumFrequency; }

    // Both queries and the liveness check fail with this code and leave their out values 0.
    void ExpectQueriesFail(int code) {
        int version = 99, levelDb = 99;
        EXPECT_EQ(link.QueryVersion(version), code);
        EXPECT_EQ(version, 0);
        EXPECT_EQ(link.QuerySignalStrength(levelDb), code);
        EXPECT_EQ(levelDb, 0);
        EXPECT_EQ(link.NotResponding(), 1);
    }

    // Connects and forgets the set-up, so records show only what the test did.
    void Connect() {
        ASSERT_EQ(link.Connect(1), 0);
        device.ClearRecords();
    }

    ScriptedSerialDevice device;
    ComPortMap ports;
    CReceiverLink link{device, ports};
};

TEST_F(ReceiverLinkTest, StartsWithTheReceiversDefaultState) {
    const LinkState expected{0, 2, 28, 0, 0, 6075000, 0, 700, 15000000, 0, 20000000, 0};
    EXPECT_EQ(StateOf(link), expected);
    EXPECT_FALSE(link.IsOpen());
}

TEST_F(ReceiverLinkTest, ConnectOpensAndSetsUpTheLineButSendsNothing) {
    ports.SetPath(2, "/dev/ttyUSB3");
    EXPECT_EQ(link.Connect(2), 0);
    EXPECT_EQ(device.openedPath, "/dev/ttyUSB3");
    EXPECT_EQ(device.line.baudRate, 1200u);
    EXPECT_EQ(device.line.dataBits, 8);
    EXPECT_EQ(device.line.parity, 0);
    EXPECT_EQ(device.line.stopBits, 0);
    EXPECT_FALSE(device.line.ctsOutputFlow || device.line.xonXoffOutput ||
                 device.line.xonXoffInput);
    EXPECT_EQ(device.timeouts.readInterval, 0u);
    EXPECT_EQ(device.timeouts.readMultiplier, 10u);
    EXPECT_EQ(device.timeouts.readConstant, 200u);
    EXPECT_EQ(device.timeouts.writeMultiplier, 10u);
    EXPECT_EQ(device.timeouts.writeConstant, 200u);
    EXPECT_EQ(device.inputBufferSize, 1024);
    EXPECT_EQ(device.outputBufferSize, 1024);
    EXPECT_TRUE(device.writes.empty());

    EXPECT_EQ(link.Connect(2), 1);
    EXPECT_EQ(device.openCalls, 1);
}

struct ConnectFailure {
    std::string name;
    std::function<void(ScriptedSerialDevice&)> breakStep;
    bool staysOpen;  // only a failed open leaves the port closed
};

class ConnectFailureTest : public ReceiverLinkTest,
                           public testing::WithParamInterface<ConnectFailure> {};

TEST_P(ConnectFailureTest, ReturnsTwo) {
    GetParam().breakStep(device);
    EXPECT_EQ(link.Connect(1), 2);
    EXPECT_EQ(link.IsOpen(), GetParam().staysOpen);
    EXPECT_TRUE(device.writes.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Steps, ConnectFailureTest,
    testing::Values(
        ConnectFailure{"OpenBusy",
                       [](ScriptedSerialDevice& d) { d.openError = SerialOpenError::Busy; }, false},
        ConnectFailure{"ReadingLine", [](ScriptedSerialDevice& d) { d.failGetLine = true; }, true},
        ConnectFailure{"SettingLine", [](ScriptedSerialDevice& d) { d.failSetLine = true; }, true},
        ConnectFailure{"Timeouts", [](ScriptedSerialDevice& d) { d.failSetTimeouts = true; }, true},
        ConnectFailure{"Buffers", [](ScriptedSerialDevice& d) { d.failSetBuffers = true; }, true}),
    RowName());

TEST_F(ReceiverLinkTest, ConnectToAPortThatDoesNotExistReturnsTwo) {
    EXPECT_EQ(link.Connect(0), 2);
    EXPECT_EQ(link.Connect(5), 2);
    EXPECT_FALSE(link.IsOpen());
}

TEST_F(ReceiverLinkTest, StateSurvivesDisconnectAndReconnect) {
    Connect();
    ASSERT_EQ(link.SetMode(3), 0);
    ASSERT_EQ(link.SetFrequency(9500000), 0);
    EXPECT_EQ(link.Disconnect(), 0);
    EXPECT_FALSE(device.isOpen);
    EXPECT_EQ(link.Disconnect(), 0);
    EXPECT_EQ(link.Connect(1), 0);
    EXPECT_EQ(link.Mode(), 3);
    EXPECT_EQ(link.Frequency(), 9500000);
}

TEST_F(ReceiverLinkTest, EverythingOnAClosedLinkReturnsOneAndSendsNothing) {
    const LinkState before = StateOf(link);
    const std::vector<LinkCall> calls = {
        [](CReceiverLink& l) { return l.SetMode(1); },
        [](CReceiverLink& l) { return l.SetAgc(3); },
        [](CReceiverLink& l) { return l.SetFilter(3); },
        [](CReceiverLink& l) { return l.SetVolume(40); },
        [](CReceiverLink& l) { return l.SetLineLevel(40); },
        [](CReceiverLink& l) { return l.SetFrequency(7000000); },
        [](CReceiverLink& l) { return l.SetPassbandShift(500); },
        [](CReceiverLink& l) { return l.SetCwFrequency(1000); },
        [](CReceiverLink& l) { return l.SetCorrection(5000000, 10, 25000000, 20); },
        // Out-of-range arguments too: the port is checked first.
        [](CReceiverLink& l) { return l.SetAgc(0); },
        [](CReceiverLink& l) { return l.SetFrequency(1); },
    };
    for (std::size_t i = 0; i < calls.size(); ++i) EXPECT_EQ(calls[i](link), 1) << "call " << i;
    ExpectQueriesFail(1);

    EXPECT_EQ(StateOf(link), before);
    EXPECT_TRUE(device.writes.empty());
    EXPECT_EQ(device.purges, 0);
    EXPECT_EQ(device.readCalls, 0);
}

struct CommandRow {
    std::string name;
    LinkCall call;
    Bytes command;
    bool tunes;  // the tuning command follows
};

class SetterCommandTest : public ReceiverLinkTest,
                          public testing::WithParamInterface<CommandRow> {};

TEST_P(SetterCommandTest, SendsItsCommandByLength) {
    Connect();
    EXPECT_EQ(GetParam().call(link), 0);
    ASSERT_EQ(device.writes.size(), GetParam().tunes ? 2u : 1u);
    EXPECT_EQ(device.writes[0], GetParam().command);
    if (GetParam().tunes) {
        EXPECT_TRUE(IsTuningCommand(device.writes[1]));
    }
}

INSTANTIATE_TEST_SUITE_P(
    Commands, SetterCommandTest,
    testing::Values(
        CommandRow{"ModeAm", [](CReceiverLink& l) { return l.SetMode(0); }, {'M', '0', 0x0D}, true},
        CommandRow{"ModeCw", [](CReceiverLink& l) { return l.SetMode(3); }, {'M', '3', 0x0D}, true},
        CommandRow{
            "AgcSlow", [](CReceiverLink& l) { return l.SetAgc(1); }, {'G', '1', 0x0D}, false},
        CommandRow{
            "AgcFast", [](CReceiverLink& l) { return l.SetAgc(3); }, {'G', '3', 0x0D}, false},
        CommandRow{"FilterFirstRow",
                   [](CReceiverLink& l) { return l.SetFilter(0); },
                   {'W', 32, 0x0D},
                   true},
        CommandRow{"FilterLastRow",
                   [](CReceiverLink& l) { return l.SetFilter(35); },
                   {'W', 0x21, 0x0D},
                   true},
        CommandRow{"FilterCodeZero",
                   [](CReceiverLink& l) { return l.SetFilter(32); },
                   {'W', 0x00, 0x0D},
                   true},
        CommandRow{"VolumeSilent",
                   [](CReceiverLink& l) { return l.SetVolume(0); },
                   {'V', 0x00, 0x3F, 0x0D},
                   false},
        CommandRow{"VolumeLoudest",
                   [](CReceiverLink& l) { return l.SetVolume(63); },
                   {'V', 0x00, 0x00, 0x0D},
                   false},
        // 63 - 50 = 13 = CR inside the command.
        CommandRow{"LineLevelAttenuationIsCr",
                   [](CReceiverLink& l) { return l.SetLineLevel(50); },
                   {'A', 0x00, 0x0D, 0x0D},
                   false}),
    RowName());

TEST_F(ReceiverLinkTest, SettersWithoutACommandOfTheirOwnSendOnlyTheTuning) {
    Connect();
    EXPECT_EQ(link.SetFrequency(7100000), 0);
    EXPECT_EQ(link.SetPassbandShift(-300), 0);
    EXPECT_EQ(link.SetCwFrequency(-800), 0);
    EXPECT_EQ(link.SetCorrection(5000000, -100, 25000000, 200), 0);
    ASSERT_EQ(device.writes.size(), 4u);
    for (const Bytes& write : device.writes) EXPECT_TRUE(IsTuningCommand(write));
}

class LinkTuningExampleTest : public ReceiverLinkTest,
                              public testing::WithParamInterface<TuningExample> {};

TEST_P(LinkTuningExampleTest, TuningCommandCarriesTheStoredState) {
    const TuningExample& example = GetParam();
    Connect();
    ASSERT_EQ(link.SetCwFrequency(example.cwFrequencyHz), 0);
    ASSERT_EQ(link.SetPassbandShift(example.passbandShiftHz), 0);
    ASSERT_EQ(link.SetFilter(example.filterIndex), 0);
    ASSERT_EQ(link.SetFrequency(example.frequencyHz), 0);
    ASSERT_EQ(link.SetMode(example.mode), 0);
    const Bytes expected(example.bytes.begin(), example.bytes.end());
    EXPECT_EQ(device.writes.back(), expected);
}

INSTANTIATE_TEST_SUITE_P(Published, LinkTuningExampleTest, testing::ValuesIn(kTuningExamples),
                         RowName());

TEST_F(ReceiverLinkTest, CorrectionEntersTheTuningCommand) {
    Connect();
    // -25 Hz at 10 MHz: the same bytes as the dial 25 Hz lower without correction.
    ASSERT_EQ(link.SetFrequency(9999975), 0);
    const Bytes uncorrected = device.writes.back();
    ASSERT_EQ(link.SetFrequency(10000000), 0);
    ASSERT_NE(device.writes.back(), uncorrected);
    ASSERT_EQ(link.SetCorrection(5000000, -100, 25000000, 200), 0);
    EXPECT_EQ(device.writes.back(), uncorrected);
}

struct RefusedCall {
    std::string name;
    LinkCall call;
};

class RefusedArgumentTest : public ReceiverLinkTest,
                            public testing::WithParamInterface<RefusedCall> {};

TEST_P(RefusedArgumentTest, ReturnsTwoSendsNothingAndKeepsTheState) {
    Connect();
    ASSERT_EQ(link.SetCorrection(10000000, 50, 20000000, -50), 0);
    ASSERT_EQ(link.SetMode(2), 0);
    ASSERT_EQ(link.SetVolume(20), 0);
    device.ClearRecords();
    const LinkState before = StateOf(link);
    EXPECT_EQ(GetParam().call(link), 2);
    EXPECT_EQ(StateOf(link), before);
    EXPECT_TRUE(device.writes.empty());
}

INSTANTIATE_TEST_SUITE_P(
    OutOfRange, RefusedArgumentTest,
    testing::Values(
        RefusedCall{"ModeBelow", [](CReceiverLink& l) { return l.SetMode(-1); }},
        RefusedCall{"ModeAbove", [](CReceiverLink& l) { return l.SetMode(4); }},
        RefusedCall{"AgcZero", [](CReceiverLink& l) { return l.SetAgc(0); }},
        RefusedCall{"AgcAbove", [](CReceiverLink& l) { return l.SetAgc(4); }},
        RefusedCall{"FilterBelow", [](CReceiverLink& l) { return l.SetFilter(-1); }},
        RefusedCall{"FilterAbove", [](CReceiverLink& l) { return l.SetFilter(36); }},
        RefusedCall{"VolumeBelow", [](CReceiverLink& l) { return l.SetVolume(-1); }},
        RefusedCall{"VolumeAbove", [](CReceiverLink& l) { return l.SetVolume(64); }},
        RefusedCall{"LineLevelAbove", [](CReceiverLink& l) { return l.SetLineLevel(64); }},
        RefusedCall{"FrequencyAboveMaximum",
                    [](CReceiverLink& l) { return l.SetFrequency(30000001); }},
        RefusedCall{"FrequencyBelowMinimum",
                    [](CReceiverLink& l) { return l.SetFrequency(99999); }},
        RefusedCall{"PassbandShiftBelow",
                    [](CReceiverLink& l) { return l.SetPassbandShift(-1001); }},
        RefusedCall{"PassbandShiftAbove",
                    [](CReceiverLink& l) { return l.SetPassbandShift(1001); }},
        RefusedCall{"CwBelow", [](CReceiverLink& l) { return l.SetCwFrequency(-15001); }},
        RefusedCall{"CwAbove", [](CReceiverLink& l) { return l.SetCwFrequency(15001); }},
        RefusedCall{"CorrectionPointsTooClose",
                    [](CReceiverLink& l) { return l.SetCorrection(10000000, 0, 14999999, 0); }},
        RefusedCall{"CorrectionPointsTooCloseReversed",
                    [](CReceiverLink& l) { return l.SetCorrection(14999999, 0, 10000000, 0); }},
        RefusedCall{
            "CorrectionsTooFarApart",
            [](CReceiverLink& l) { return l.SetCorrection(10000000, -250, 20000000, 251); }},
        RefusedCall{
            "CorrectionTooLarge",
            [](CReceiverLink& l) { return l.SetCorrection(10000000, 1001, 20000000, 1000); }},
        RefusedCall{
            "CorrectionTooSmall",
            [](CReceiverLink& l) { return l.SetCorrection(10000000, -1000, 20000000, -1001); }},
        RefusedCall{"CorrectionPointBelowMinimum",
                    [](CReceiverLink& l) { return l.SetCorrection(99999, 0, 20000000, 0); }},
        RefusedCall{"CorrectionPointAboveMaximum",
                    [](CReceiverLink& l) { return l.SetCorrection(10000000, 0, 30000001, 0); }}),
    RowName());

TEST_F(ReceiverLinkTest, LimitsThemselvesAreAccepted) {
    Connect();
    EXPECT_EQ(link.SetFrequency(30000000), 0);
    EXPECT_EQ(link.SetFrequency(100000), 0);
    EXPECT_EQ(link.SetPassbandShift(-1000), 0);
    EXPECT_EQ(link.SetCwFrequency(15000), 0);
    EXPECT_EQ(link.SetCorrection(100000, -1000, 5100000, -500), 0);
    EXPECT_EQ(link.SetCorrection(30000000, 1000, 25000000, 500), 0);
    const CorrectionPoints& points = link.Correction();
    EXPECT_EQ(points.frequency1Hz, 30000000);
    EXPECT_EQ(points.correction2Hz, 500);
}

TEST_F(ReceiverLinkTest, LowerLimitFollowsTheMinimumFrequency) {
    Connect();
    MinimumFrequency = kLowestMinimumFrequency;
    EXPECT_EQ(link.SetFrequency(10000), 0);
    EXPECT_EQ(link.SetFrequency(9999), 2);
    EXPECT_EQ(link.SetCorrection(10000, 0, 5010000, 0), 0);
    MinimumFrequency = 50000;
    EXPECT_EQ(link.SetFrequency(49999), 2);
    EXPECT_EQ(link.Frequency(), 10000);
}

struct ShortWriteRow {
    std::string name;
    LinkCall call;
    int writeBudget;
    std::size_t expectedWrites;  // 1: the tuning command was not attempted
};

class ShortWriteTest : public ReceiverLinkTest,
                       public testing::WithParamInterface<ShortWriteRow> {};

TEST_P(ShortWriteTest, ReturnsThreeAndKeepsTheNewValue) {
    Connect();
    device.writeBudget = GetParam().writeBudget;
    const LinkState before = StateOf(link);
    EXPECT_EQ(GetParam().call(link), 3);
    EXPECT_EQ(device.writes.size(), GetParam().expectedWrites);
    EXPECT_NE(StateOf(link), before);
}

INSTANTIATE_TEST_SUITE_P(
    Writes, ShortWriteTest,
    testing::Values(
        ShortWriteRow{"ModeCommandShort", [](CReceiverLink& l) { return l.SetMode(1); }, 2, 1},
        ShortWriteRow{"ModeTuningShort", [](CReceiverLink& l) { return l.SetMode(1); }, 3 + 7, 2},
        ShortWriteRow{"FilterCommandShort", [](CReceiverLink& l) { return l.SetFilter(3); }, 0, 1},
        ShortWriteRow{"FilterTuningShort", [](CReceiverLink& l) { return l.SetFilter(3); }, 3, 2},
        ShortWriteRow{"AgcShort", [](CReceiverLink& l) { return l.SetAgc(3); }, 1, 1},
        ShortWriteRow{"VolumeShort", [](CReceiverLink& l) { return l.SetVolume(9); }, 3, 1},
        ShortWriteRow{"LineLevelShort", [](CReceiverLink& l) { return l.SetLineLevel(9); }, 0, 1},
        ShortWriteRow{"FrequencyShort", [](CReceiverLink& l) { return l.SetFrequency(7000000); }, 7,
                      1},
        ShortWriteRow{"CorrectionShort",
                      [](CReceiverLink& l) { return l.SetCorrection(5000000, 5, 25000000, 9); }, 0,
                      1}),
    RowName());

TEST_F(ReceiverLinkTest, ValueStoredDespiteAFailedSendEntersTheNextTuning) {
    Connect();
    ASSERT_EQ(link.SetFrequency(7100000), 0);
    ASSERT_EQ(link.SetFilter(18), 0);
    device.writeBudget = 0;
    ASSERT_EQ(link.SetMode(1), 3);
    device.writeBudget = -1;
    ASSERT_EQ(link.SetPassbandShift(0), 0);
    const auto& usb = kTuningExamples[1].bytes;
    EXPECT_EQ(device.writes.back(), Bytes(usb.begin(), usb.end()));
}

TEST_F(ReceiverLinkTest, SignalQueryPurgesAsksAndReadsFourBytes) {
    Connect();
    device.QueueStaleInput({'X', 0xFF, 0xFF, 0x0D});  // a late answer to an earlier poll
    device.QueueReply({'X', 0x03, 0xE8, 0x0D});
    int levelDb = -1;
    EXPECT_EQ(link.QuerySignalStrength(levelDb), 0);
    EXPECT_EQ(levelDb, 60);
    EXPECT_EQ(device.purges, 1);
    EXPECT_EQ(device.writes, std::vector<Bytes>{kSignalQuery});
}

TEST_F(ReceiverLinkTest, SignalReplyBehindALateVersionCarriageReturnIsReadInFrame) {
    Connect();
    // The version reply's CR arrives only after the signal query's purge.
    device.QueueReply({0x0D, 'X', 0x03, 0xE8, 0x0D});
    int levelDb = -1;
    EXPECT_EQ(link.QuerySignalStrength(levelDb), 0);
    EXPECT_EQ(levelDb, 60);
    EXPECT_EQ(device.PendingInput(), 0);
}

TEST_F(ReceiverLinkTest, SignalReplyExtremes) {
    Connect();
    int levelDb = -1;
    device.QueueReply({'X', 0x00, 0x00, 0x0D});
    EXPECT_EQ(link.QuerySignalStrength(levelDb), 0);
    EXPECT_EQ(levelDb, 0);
    device.QueueReply({'X', 0xFF, 0xFF, 0x0D});
    EXPECT_EQ(link.QuerySignalStrength(levelDb), 0);
    EXPECT_EQ(levelDb, 96);
}

TEST_F(ReceiverLinkTest, VersionQueryReadsSevenBytesAndTheLeftoverIsPurgedNextTime) {
    Connect();
    device.AnswerTo(kVersionQuery, {'V', 'E', 'R', ' ', '1', '0', '3', 0x0D});
    int version = 0;
    EXPECT_EQ(link.QueryVersion(version), 0);
    EXPECT_EQ(version, 103);
    EXPECT_EQ(device.PendingInput(), 1);
    EXPECT_EQ(link.QueryVersion(version), 0);
    EXPECT_EQ(version, 103);
    EXPECT_EQ(link.NotResponding(), 0);
    EXPECT_EQ(device.writes, std::vector<Bytes>(3, kVersionQuery));
}

struct FailedQuery {
    std::string name;
    std::function<void(ScriptedSerialDevice&)> breakStep;
    bool writes;  // whether the query got as far as writing
    bool reads;
};

class FailedQueryTest : public ReceiverLinkTest, public testing::WithParamInterface<FailedQuery> {};

TEST_P(FailedQueryTest, ReturnsTwoAndZero) {
    Connect();
    GetParam().breakStep(device);
    ExpectQueriesFail(2);
    EXPECT_EQ(device.writes.empty(), !GetParam().writes);
    EXPECT_EQ(device.readCalls > 0, GetParam().reads);
}

INSTANTIATE_TEST_SUITE_P(
    Steps, FailedQueryTest,
    testing::Values(
        FailedQuery{"PurgeFails", [](ScriptedSerialDevice& d) { d.failPurge = true; }, false,
                    false},
        FailedQuery{"WriteShort", [](ScriptedSerialDevice& d) { d.writeBudget = 0; }, true, false},
        FailedQuery{"NoReply", [](ScriptedSerialDevice&) {}, true, true},
        FailedQuery{"ReplyShort",
                    [](ScriptedSerialDevice& d) {
                        d.AnswerTo(kVersionQuery, {'V', 'E', 'R', ' ', '1', '0'});
                        d.AnswerTo(kSignalQuery, {'X', 0x12, 0x34});
                    },
                    true, true},
        FailedQuery{"DeviceGone", [](ScriptedSerialDevice& d) { d.gone = true; }, true, false}),
    RowName());

TEST_F(ReceiverLinkTest, UnreadableVersionReturnsTwo) {
    Connect();
    device.QueueReply({'V', 'E', 'R', ' ', 'A', 'B', 'C'});
    int version = 99;
    EXPECT_EQ(link.QueryVersion(version), 2);
    EXPECT_EQ(version, 0);
}

}  // namespace
