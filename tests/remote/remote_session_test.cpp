#include "remote/remote_session.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>

#include "support/fake_remote_radio.h"
#include "support/row_name.h"

namespace {

// Sends input, returns every reply byte.
std::string Converse(FakeRemoteRadio& radio, const std::string& input) {
    RemoteSession session(radio);
    std::string reply;
    session.Receive(input.data(), input.size(), reply);
    return reply;
}

struct ReplyRow {
    std::string name;
    std::string input;
    std::string reply;
    std::function<void(FakeRemoteRadio&)> prepare = [](FakeRemoteRadio&) {};
};

class ReplyTest : public testing::TestWithParam<ReplyRow> {};

TEST_P(ReplyTest, AnswersInRigctldFormat) {
    FakeRemoteRadio radio;
    GetParam().prepare(radio);
    EXPECT_EQ(Converse(radio, GetParam().input), GetParam().reply);
    EXPECT_FALSE(radio.rangeBroken);
}

INSTANTIATE_TEST_SUITE_P(
    Replies, ReplyTest,
    testing::Values(
        ReplyRow{"Frequency", "f\n", "6075000\n"},
        ReplyRow{"SeveralGetsOnOneLine", "fmv\n", "6075000\nAM\n4800\nVFOA\n"},
        ReplyRow{"SetAnswersStatus", "F VFOA 9580000\n", "RPRT 0\n"},
        ReplyRow{"OtherVfoIsNotAvailable", "f VFOB\n", "RPRT -11\n"},
        ReplyRow{"ExtendedWithLineFeeds", "+f\n", "get_freq:\nFrequency: 6075000\nRPRT 0\n"},
        ReplyRow{"ExtendedOnOneLine", ";\\get_freq\n", "get_freq:;Frequency: 6075000;RPRT 0\n"},
        ReplyRow{"ExtendedGetMode", "|m\n", "get_mode:|Mode: AM|Passband: 4800|RPRT 0\n"},
        ReplyRow{"ExtendedSetEchoesArguments", "|M USB 2400\n", "set_mode: USB 2400|RPRT 0\n"},
        ReplyRow{"ExtendedFailure", "+F 31000000\n", "set_freq: 31000000\nRPRT -1\n"},
        ReplyRow{"UnknownCommand", "X\n", "RPRT -11\n"},
        ReplyRow{"AnswersUpToTheUnknownCommand", "fX\n", "6075000\nRPRT -11\n"},
        ReplyRow{"CarriageReturnEndsALine", "f\r\n", "6075000\n"},
        ReplyRow{"CheckVfoIsOneBareLine", "+\\chk_vfo\n", "0\n"},
        ReplyRow{"PowerStatus", "+\\get_powerstat\n", "get_powerstat:\nPower Status: 1\nRPRT 0\n"},
        ReplyRow{"NoTransmitter", "t\nT 0\nT 1\n", "0\nRPRT 0\nRPRT -11\n"},
        ReplyRow{"NoSplit", "s\nS 1 VFOB\n", "0\nVFOA\nRPRT -11\n"},
        ReplyRow{"LevelQuery", "l ?\n", "AF SQL IF AGC RAWSTR STRENGTH\n"},
        ReplyRow{"ModeQuery", "M ?\n", "AM CW USB LSB\n"},
        ReplyRow{"StrengthRelativeToS9", "l STRENGTH\nl RAWSTR\n", "6\n60\n",
                 [](FakeRemoteRadio& radio) { radio.signalDb = 60; }},
        ReplyRow{"NoStrengthFromASilentReceiver", "l STRENGTH\n", "RPRT -5\n",
                 [](FakeRemoteRadio& radio) { radio.hardwareActive = false; }},
        ReplyRow{"NoStrengthWhileNotPolled", "l STRENGTH\n", "RPRT -11\n",
                 [](FakeRemoteRadio& radio) { radio.signalDb.reset(); }},
        ReplyRow{"VolumeAsFraction", "l AF\n", "0.507937\n",
                 [](FakeRemoteRadio& radio) { radio.volumeLevel = 32; }},
        ReplyRow{"AgcOnHamlibScale", "l AGC\n", "2\n",
                 [](FakeRemoteRadio& radio) { radio.agc = 3; }},
        ReplyRow{"SquelchRefusedWithoutReadings", "U SQL 1\n", "RPRT -9\n",
                 [](FakeRemoteRadio& radio) { radio.signalDb.reset(); }},
        ReplyRow{"RefusedArguments",
                 "F 99999\nF 30000001\nF abc\nM FM 2400\nM USB -5\nL AF 1.5\nL IF 1001\n"
                 "L AGC 6\nL STRENGTH 3\nU NB 1\n",
                 "RPRT -1\nRPRT -1\nRPRT -1\nRPRT -1\nRPRT -1\nRPRT -1\nRPRT -1\nRPRT -1\n"
                 "RPRT -1\nRPRT -1\n"}),
    RowName());

TEST(RemoteSessionTest, SetsReachTheRadioInItsOwnCodes) {
    FakeRemoteRadio radio;
    EXPECT_EQ(Converse(radio,
                       "F 9580000.4\nM USB 2400\nL AF 0.5\nL SQL 0.5\nL IF -200\nL AGC 3\n"
                       "U MUTE 1\nU SQL 1\n"),
              "RPRT 0\nRPRT 0\nRPRT 0\nRPRT 0\nRPRT 0\nRPRT 0\nRPRT 0\nRPRT 0\n");
    EXPECT_EQ(radio.frequencyHz, 9580000);
    EXPECT_EQ(radio.mode, 1);
    EXPECT_EQ(radio.filterIndex, 18);
    EXPECT_EQ(radio.volumeLevel, 32);
    EXPECT_EQ(radio.squelchLevel, 45);
    EXPECT_EQ(radio.passbandShiftHz, -200);
    EXPECT_EQ(radio.agc, 1);
    EXPECT_FALSE(radio.volumeOn);
    EXPECT_TRUE(radio.squelchOn);
}

TEST(RemoteSessionTest, PassbandPicksTheNearestFilter) {
    FakeRemoteRadio radio;
    const auto widthAfter = [&radio](const std::string& command) {
        Converse(radio, command + "\n");
        return radio.filterIndex;
    };
    EXPECT_EQ(widthAfter("M CW 500"), 4);     // 525 Hz, 25 away; 450 Hz is 50 away
    EXPECT_EQ(widthAfter("M USB 2475"), 19);  // halfway: the wider, 2550 Hz
    EXPECT_EQ(widthAfter("M USB -1"), 19);    // no change
    EXPECT_EQ(widthAfter("M AM 0"), 28);      // AM's default, 4800 Hz
    EXPECT_EQ(widthAfter("M PKTLSB 0"), 18);  // 2400 Hz, in LSB
    EXPECT_EQ(radio.mode, 2);
    EXPECT_EQ(widthAfter("M LSB 100000"), 33);  // the widest
    radio.filterIndex = 35;                     // the same 8000 Hz filter, the window's last button
    EXPECT_EQ(widthAfter("M LSB 8000"), 35);
}

TEST(RemoteSessionTest, StateDumpHasTheShapeTheClientReads) {
    FakeRemoteRadio radio;
    RemoteSession session(radio);
    std::string protocol0;
    session.Receive("\\dump_state\n", 12, protocol0);
    std::string protocol1;
    session.Receive("\\chk_vfo\n\\dump_state\n", 21, protocol1);
    // Up to the masks both are the same but for the version; protocol 1 goes on up to "done".
    EXPECT_EQ(protocol0.substr(0, 2), "0\n");
    EXPECT_EQ(protocol1.substr(0, 4), "0\n1\n");
    EXPECT_EQ(protocol1.substr(4, protocol0.size() - 2), protocol0.substr(2));
    EXPECT_TRUE(protocol1.ends_with("\ndone\n"));
    // Receive range, two range terminators, 12 steps and theirs, 3 default and 34 filters and
    // theirs, 4 limits, 2 empty lists, 6 masks.
    EXPECT_EQ(std::count(protocol0.begin(), protocol0.end(), '\n'), 3 + 3 + 13 + 38 + 4 + 2 + 6);
    EXPECT_NE(protocol0.find("\n100000 30000000 0xf -1 -1 0x1 0x0\n"), std::string::npos);
    EXPECT_NE(protocol0.find("\n0xf 8000\n0xf 6000\n"), std::string::npos);
    EXPECT_NE(protocol0.find("\n0xf 300\n0 0\n"), std::string::npos);
}

TEST(RemoteSessionTest, ConnectionEndsOnQuitOverlongLineOrJunk) {
    FakeRemoteRadio radio;
    struct Ending {
        std::string input;
        std::string reply;
    };
    const std::string longest(RemoteSession::kMaxLineLength, 'x');
    for (const Ending& ending :
         {Ending{"f\nq\nf\n", "6075000\n"}, Ending{"f\n" + longest + "x", "6075000\n"},
          Ending{std::string("f\nf\0\n", 5), "6075000\n"}, Ending{"f\n\xff\n", "6075000\n"}}) {
        RemoteSession session(radio);
        std::string reply;
        EXPECT_FALSE(session.Receive(ending.input.data(), ending.input.size(), reply));
        EXPECT_EQ(reply, ending.reply);
    }
    RemoteSession session(radio);
    std::string reply;
    EXPECT_TRUE(session.Receive(longest.data(), longest.size(), reply));
    EXPECT_TRUE(session.Receive("\nf", 2, reply));
    EXPECT_TRUE(session.Receive("\n", 1, reply));
    EXPECT_EQ(reply, "RPRT -11\n6075000\n");
}

}  // namespace
