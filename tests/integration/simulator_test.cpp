// The receiver simulator seen from the far end of its pseudo-terminal, through plain POSIX calls:
// what it decodes, what it answers, how it frames and survives any byte stream, and its faults.

#include <fcntl.h>
#include <gtest/gtest.h>
#include <poll.h>
#include <termios.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstdint>
#include <filesystem>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "link/filter_table.h"
#include "link/tuning_command.h"
#include "support/row_name.h"
#include "support/sim_process.h"
#include "support/temp_dir.h"
#include "support/tuning_examples.h"

namespace {

using Bytes = std::vector<std::uint8_t>;
using Clock = std::chrono::steady_clock;

// Bounded waits for the simulator under the sanitizers on a busy machine; never timing checks.
constexpr int kWaitMs = 10000;
constexpr std::uint8_t kCr = 0x0D;
const std::vector<std::string> kFastSimulator = {"--no-line-delay", "--signal", "57", "--seed",
                                                 "7"};

Bytes Text(const std::string& text) {
    return Bytes(text.begin(), text.end());
}

Bytes Join(Bytes first, const Bytes& second) {
    first.insert(first.end(), second.begin(), second.end());
    return first;
}

const Bytes kVersionQuery = {'?', kCr};
const Bytes kSignalQuery = {'X', kCr};
const Bytes kVersionReply = Text("VER 103\r");
const Bytes kBanner = Text(" DSP START\r");

// "4E 51 ... tune ...": a log line without its time stamp.
std::string WithoutTime(const std::string& line) {
    const std::size_t space = line.find(' ');
    return space == std::string::npos ? line : line.substr(space + 1);
}

std::string Hex(const Bytes& bytes) {
    return SimProcess::LogHex(bytes);
}

// The program's side of the line, in the plainest terms: open, raw mode, write, read.
class RawTerminal {
  public:
    explicit RawTerminal(const std::string& path)
        : fd_(::open(path.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC)) {
        termios settings{};
        if (fd_ >= 0 && ::tcgetattr(fd_, &settings) == 0) {
            cfmakeraw(&settings);
            cfsetispeed(&settings, B1200);
            cfsetospeed(&settings, B1200);
            ::tcsetattr(fd_, TCSANOW, &settings);
        }
    }
    ~RawTerminal() {
        if (fd_ >= 0) ::close(fd_);
    }
    RawTerminal(const RawTerminal&) = delete;
    RawTerminal& operator=(const RawTerminal&) = delete;

    bool IsOpen() const { return fd_ >= 0; }

    bool SetSpeed(speed_t speed) {
        termios settings{};
        return ::tcgetattr(fd_, &settings) == 0 && cfsetispeed(&settings, speed) == 0 &&
               cfsetospeed(&settings, speed) == 0 && ::tcsetattr(fd_, TCSANOW, &settings) == 0;
    }

    // Everything, or false. Replies that come meanwhile are kept for Read, so a long write cannot
    // stall against a simulator whose own writes wait for us.
    bool Write(const Bytes& bytes) {
        std::size_t done = 0;
        const auto end = Clock::now() + std::chrono::milliseconds(kWaitMs);
        while (done < bytes.size() && Clock::now() < end) {
            const ssize_t put = ::write(fd_, bytes.data() + done, bytes.size() - done);
            if (put > 0) {
                done += static_cast<std::size_t>(put);
                continue;
            }
            if (put < 0 && errno != EAGAIN && errno != EINTR) return false;
            TakeWaiting();
            pollfd ready{fd_, POLLOUT, 0};
            ::poll(&ready, 1, 10);
        }
        return done == bytes.size();
    }

    // Up to count bytes, waiting (bounded) for them.
    Bytes Read(std::size_t count, int timeoutMs = kWaitMs) {
        const auto end = Clock::now() + std::chrono::milliseconds(timeoutMs);
        while (kept_.size() < count && Clock::now() < end) {
            pollfd ready{fd_, POLLIN, 0};
            if (::poll(&ready, 1, 10) > 0 && !TakeWaiting()) break;
        }
        const std::size_t taken = std::min(count, kept_.size());
        Bytes result(kept_.begin(), kept_.begin() + static_cast<std::ptrdiff_t>(taken));
        kept_.erase(kept_.begin(), kept_.begin() + static_cast<std::ptrdiff_t>(taken));
        return result;
    }

    // Discards everything received so far.
    void Forget() {
        TakeWaiting();
        kept_.clear();
    }

    // True once the far end has gone: a read fails with EIO (or a hang-up is reported).
    bool WaitForHangUp(int timeoutMs = kWaitMs) {
        const auto end = Clock::now() + std::chrono::milliseconds(timeoutMs);
        while (Clock::now() < end) {
            pollfd ready{fd_, POLLIN, 0};
            if (::poll(&ready, 1, 10) > 0) {
                if (ready.revents & POLLHUP) return true;
                std::uint8_t byte = 0;
                if (::read(fd_, &byte, 1) < 0 && errno == EIO) return true;
            }
        }
        return false;
    }

  private:
    // False when the device failed.
    bool TakeWaiting() {
        std::uint8_t buffer[512];
        for (;;) {
            const ssize_t got = ::read(fd_, buffer, sizeof buffer);
            if (got > 0) {
                kept_.insert(kept_.end(), buffer, buffer + got);
                continue;
            }
            return got == 0 || errno == EAGAIN || errno == EINTR;
        }
    }

    int fd_;
    Bytes kept_;
};

class SimulatorTest : public testing::Test {
  protected:
    void Start(const std::vector<std::string>& args) {
        sim_ = std::make_unique<SimProcess>(BuiltSimulatorPath(), args);
        ASSERT_TRUE(sim_->Started());
        terminal_ = std::make_unique<RawTerminal>(sim_->DevicePath());
        ASSERT_TRUE(terminal_->IsOpen());
    }

    // Sends bytes, waits until the simulator has logged `commands` more commands and returns the
    // last of them without its time.
    std::string SendAndLog(const Bytes& bytes, std::size_t commands = 1) {
        const std::size_t before = sim_->CommandLines().size();
        EXPECT_TRUE(terminal_->Write(bytes));
        if (!sim_->WaitForCommandLines(before + commands, kWaitMs)) return "(not logged)";
        return WithoutTime(sim_->CommandLines()[before + commands - 1]);
    }

    void SelectMode(int mode) { SendAndLog({'M', static_cast<std::uint8_t>('0' + mode), kCr}); }
    void SelectFilter(int filterIndex) {
        SendAndLog({'W', static_cast<std::uint8_t>(FilterTable::kRows[filterIndex].code), kCr});
    }

    std::unique_ptr<SimProcess> sim_;
    std::unique_ptr<RawTerminal> terminal_;
};

// What the log must say about a tuning command made for these settings.
std::string ExpectedTuning(const Bytes& bytes, int dialHz, int mode, int filterIndex,
                           int passbandShiftHz, int cwFrequencyHz) {
    static const char* const kModes[] = {"AM", "USB", "LSB", "CW"};
    std::string text = Hex(bytes) + " tune " + std::to_string(dialHz) + " Hz " + kModes[mode] +
                       " filter " + std::to_string(FilterTable::kRows[filterIndex].bandwidthHz) +
                       " Hz";
    if (mode == 1 || mode == 2) text += " pbs " + std::to_string(passbandShiftHz) + " Hz";
    if (mode == 3) text += " cw " + std::to_string(cwFrequencyHz) + " Hz";
    return text;
}

// --- Decoding ---------------------------------------------------------------------------------

class SimulatorWorkedExampleTest : public SimulatorTest,
                                   public testing::WithParamInterface<TuningExample> {};

TEST_P(SimulatorWorkedExampleTest, DecodesThePublishedBytesBackToTheDialFrequency) {
    const TuningExample& example = GetParam();
    ASSERT_NO_FATAL_FAILURE(Start(kFastSimulator));
    SelectFilter(example.filterIndex);
    SelectMode(example.mode);
    const Bytes bytes(example.bytes.begin(), example.bytes.end());

    EXPECT_EQ(SendAndLog(bytes),
              ExpectedTuning(bytes, example.frequencyHz, example.mode, example.filterIndex,
                             example.passbandShiftHz, example.cwFrequencyHz));
}

INSTANTIATE_TEST_SUITE_P(Published, SimulatorWorkedExampleTest, testing::ValuesIn(kTuningExamples),
                         RowName());

struct RoundTripRow {
    std::string name;
    TuningInput input;
    bool crInside;  // the row exists to put 0x0D among the factor bytes
};

const RoundTripRow kRoundTripRows[] = {
    {"UsbWithPassbandShift", {14230000, 1, 20, 350, 700, 0}, false},
    {"LsbWithCorrection", {3750000, 2, 18, -200, 700, 137}, false},
    {"AmAtUpperLimit", {30000000, 0, 28, 0, 700, 0}, false},
    {"AmWidestFilterAtLowestMinimum", {10000, 0, 35, 0, 700, 0}, false},
    {"CwWithHighBeat", {10100000, 3, 5, 0, 1500, 0}, false},
    {"CwNarrowestFilterIgnoresShift", {7030000, 3, 0, 800, 400, -55}, false},
    // T below zero: coarse 18000, fine negative in two's complement.
    {"LsbTuningBelowZero", {10000, 2, 35, 1000, 700, -9000}, false},
    {"CrInCoarseAndFine", {6874360, 0, 28, 0, 700, 0}, true},
    {"CrInBfo", {7100000, 1, 18, 76, 700, 0}, true},
};

class SimulatorRoundTripTest : public SimulatorTest,
                               public testing::WithParamInterface<RoundTripRow> {};

TEST_P(SimulatorRoundTripTest, DecodesTheProgramsTuningCommandIncludingItsCorrection) {
    const TuningInput& input = GetParam().input;
    const auto encoded = EncodeTuningCommand(ComputeTuningFactors(input));
    const Bytes bytes(encoded.begin(), encoded.end());
    if (GetParam().crInside) {
        ASSERT_NE(std::find(bytes.begin() + 1, bytes.end() - 1, kCr), bytes.end() - 1);
    }
    ASSERT_NO_FATAL_FAILURE(Start(kFastSimulator));
    SelectFilter(input.filterIndex);
    SelectMode(input.mode);

    EXPECT_EQ(SendAndLog(bytes),
              ExpectedTuning(bytes, input.frequencyHz + input.correctionHz, input.mode,
                             input.filterIndex, input.passbandShiftHz, input.cwFrequencyHz));
    // Nothing of the command was left behind to swallow the next one.
    EXPECT_EQ(SendAndLog(kVersionQuery).substr(0, 19), "3F 0D version query");
}

INSTANTIATE_TEST_SUITE_P(Settings, SimulatorRoundTripTest, testing::ValuesIn(kRoundTripRows),
                         RowName());

TEST_F(SimulatorTest, DecodesEachTuningCommandWithTheModeSetWhenItArrived) {
    ASSERT_NO_FATAL_FAILURE(Start(kFastSimulator));
    const TuningExample& usb = kTuningExamples[1];
    const Bytes bytes(usb.bytes.begin(), usb.bytes.end());

    // Still in the power-on mode (AM): the sideband offset is not taken off.
    EXPECT_NE(SendAndLog(bytes).find("tune 7101400 Hz AM"), std::string::npos);
    SelectMode(1);
    EXPECT_NE(SendAndLog(bytes).find("tune 7100000 Hz USB"), std::string::npos);
}

// --- Replies -----------------------------------------------------------------------------------

TEST_F(SimulatorTest, AnswersTheVersionQueryWithEightBytes) {
    ASSERT_NO_FATAL_FAILURE(Start(kFastSimulator));
    ASSERT_TRUE(terminal_->Write(kVersionQuery));
    EXPECT_EQ(terminal_->Read(8), kVersionReply);
}

TEST_F(SimulatorTest, ReportsTheConfiguredVersion) {
    ASSERT_NO_FATAL_FAILURE(Start({"--no-line-delay", "--version", "250"}));
    ASSERT_TRUE(terminal_->Write(kVersionQuery));
    EXPECT_EQ(terminal_->Read(8), Text("VER 250\r"));
}

struct SignalRow {
    std::string name;
    int levelDb;
};

class SimulatorSignalTest : public SimulatorTest, public testing::WithParamInterface<SignalRow> {};

TEST_P(SimulatorSignalTest, SignalReplyReadsBackAsTheFixedLevel) {
    ASSERT_NO_FATAL_FAILURE(
        Start({"--no-line-delay", "--signal", std::to_string(GetParam().levelDb)}));
    ASSERT_TRUE(terminal_->Write(kSignalQuery));
    const Bytes reply = terminal_->Read(4);
    ASSERT_EQ(reply.size(), 4u);
    EXPECT_EQ(reply[0], 'X');
    EXPECT_EQ(reply[3], kCr);
    EXPECT_EQ(SignalLevelDb(reply[1], reply[2]), GetParam().levelDb);
}

INSTANTIATE_TEST_SUITE_P(Levels, SimulatorSignalTest,
                         testing::Values(SignalRow{"Nothing", 0}, SignalRow{"Weak", 20},
                                         SignalRow{"Fair", 57}, SignalRow{"Strongest", 96}),
                         RowName());

TEST_F(SimulatorTest, BandSignalRisesTowardsAStation) {
    ASSERT_NO_FATAL_FAILURE(Start({"--no-line-delay", "--band", "--seed", "3"}));
    const auto levelAt = [this](int frequencyHz) {
        TuningInput input;
        input.frequencyHz = frequencyHz;
        const auto bytes = EncodeTuningCommand(ComputeTuningFactors(input));
        terminal_->Write(Bytes(bytes.begin(), bytes.end()));
        terminal_->Write(kSignalQuery);
        const Bytes reply = terminal_->Read(4);
        return reply.size() == 4 ? SignalLevelDb(reply[1], reply[2]) : -1;
    };
    const int onStation = levelAt(9580000);
    const int nearStation = levelAt(9582000);
    const int between = levelAt(8300000);

    EXPECT_GT(onStation, nearStation);
    EXPECT_GT(nearStation, between);
    EXPECT_GT(between, 0);  // the noise floor, not silence
}

TEST_F(SimulatorTest, SettersAreNotAnswered) {
    ASSERT_NO_FATAL_FAILURE(Start(kFastSimulator));
    const TuningExample& example = kTuningExamples[0];
    const Bytes setters = Join(Join(Text("M1\rG3\rW\x0e\r"), {'V', 0, 20, kCr, 'A', 0, 63, kCr}),
                               Bytes(example.bytes.begin(), example.bytes.end()));
    SendAndLog(setters, 6);
    ASSERT_TRUE(terminal_->Write(kVersionQuery));
    // The first bytes to come back are the version reply: no setter put anything in front.
    EXPECT_EQ(terminal_->Read(8), kVersionReply);
}

// --- Framing -----------------------------------------------------------------------------------

struct FramingRow {
    std::string name;
    Bytes command;
    std::string meaning;
};

const FramingRow kCrInsideRows[] = {
    {"FilterCodeThirteen", {'W', 0x0D, kCr}, "filter 2550 Hz (code 13)"},
    {"VolumeAttenuationThirteen", {'V', 0x00, 0x0D, kCr}, "volume 50"},
    {"LineAttenuationThirteen", {'A', 0x00, 0x0D, kCr}, "line 50"},
    {"TuningFactorsAllCr", {'N', 0x4F, 0x0D, 0x0D, 0x0D, 0x0D, 0x0D, kCr}, "tune "},
};

class SimulatorCrInsideTest : public SimulatorTest,
                              public testing::WithParamInterface<FramingRow> {};

TEST_P(SimulatorCrInsideTest, FramesByLengthNotByCr) {
    ASSERT_NO_FATAL_FAILURE(Start(kFastSimulator));
    const FramingRow& row = GetParam();
    const std::string logged = SendAndLog(Join(row.command, kVersionQuery), 2);

    const std::vector<std::string> lines = sim_->CommandLines();
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(WithoutTime(lines[0]).substr(0, Hex(row.command).size() + 1 + row.meaning.size()),
              Hex(row.command) + " " + row.meaning);
    EXPECT_EQ(logged.substr(0, 19), "3F 0D version query");
    EXPECT_EQ(terminal_->Read(8), kVersionReply);
}

INSTANTIATE_TEST_SUITE_P(Commands, SimulatorCrInsideTest, testing::ValuesIn(kCrInsideRows),
                         RowName());

const FramingRow kGarbageRows[] = {
    {"UnknownLetters", Text("QQ\r"), "51 51 0D garbage"},
    {"LoneCr", {kCr}, "0D garbage"},
    {"TuningWithoutClosingCr",
     {'N', 0x4F, 0xCD, 0x1A, 0xA9, 0x00, 0x00, 'Z'},
     "4E 4F CD 1A A9 00 00 5A garbage"},
    {"VolumeCutShort", {'V', 0x00, kCr}, "56 00 0D garbage"},
    {"QueryLetterWithoutCr", {'X'}, "58 garbage"},
};

class SimulatorGarbageTest : public SimulatorTest,
                             public testing::WithParamInterface<FramingRow> {};

TEST_P(SimulatorGarbageTest, LogsGarbageAndFindsTheNextCommand) {
    ASSERT_NO_FATAL_FAILURE(Start(kFastSimulator));
    SendAndLog(Join(GetParam().command, kVersionQuery), 2);

    const std::vector<std::string> lines = sim_->CommandLines();
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(WithoutTime(lines[0]), GetParam().meaning);
    EXPECT_EQ(WithoutTime(lines[1]).substr(0, 19), "3F 0D version query");
    EXPECT_EQ(terminal_->Read(8), kVersionReply);
}

TEST_P(SimulatorGarbageTest, AnswersGarbageWithZWhenAsked) {
    ASSERT_NO_FATAL_FAILURE(Start({"--no-line-delay", "--unknown-reply"}));
    SendAndLog(Join(GetParam().command, kVersionQuery), 2);
    EXPECT_EQ(terminal_->Read(10), Join(Text("Z\r"), kVersionReply));
}

INSTANTIATE_TEST_SUITE_P(Streams, SimulatorGarbageTest, testing::ValuesIn(kGarbageRows), RowName());

// Random bytes; without '?' and 'X' nothing in them is answered.
Bytes RandomStorm(std::size_t size, bool withQueries) {
    std::mt19937 random(20240951);
    std::uniform_int_distribution<int> byte(0, 255);
    Bytes storm;
    while (storm.size() < size) {
        const auto value = static_cast<std::uint8_t>(byte(random));
        if (!withQueries && (value == '?' || value == 'X')) continue;
        storm.push_back(value);
    }
    return storm;
}

// Eight CRs complete whatever command the storm left open (its last byte is then a CR) and are
// garbage after that, so the next command starts clean.
const Bytes kResync(8, kCr);

TEST_F(SimulatorTest, SurvivesARandomByteStormAndAnswersAfterIt) {
    ASSERT_NO_FATAL_FAILURE(Start(kFastSimulator));
    ASSERT_TRUE(terminal_->Write(RandomStorm(20000, false)));
    ASSERT_TRUE(terminal_->Write(Join(kResync, kVersionQuery)));

    EXPECT_EQ(terminal_->Read(8), kVersionReply);
    ASSERT_TRUE(sim_->WaitForLogLine("version query", kWaitMs).size() > 0);
    EXPECT_EQ(WithoutTime(sim_->CommandLines().back()).substr(0, 19), "3F 0D version query");
    EXPECT_GT(sim_->CountLogLines(" garbage"), 0u);
    EXPECT_TRUE(sim_->Running());
}

TEST_F(SimulatorTest, SurvivesAStormFullOfQueriesAndEndsCleanly) {
    ASSERT_NO_FATAL_FAILURE(Start({"--no-line-delay", "--unknown-reply", "--band"}));
    ASSERT_TRUE(terminal_->Write(RandomStorm(20000, true)));
    const Bytes marker = {'V', 0x00, 0x05, kCr};  // volume 58
    ASSERT_TRUE(terminal_->Write(Join(Join(kResync, marker), kVersionQuery)));

    const std::string markerLine = sim_->WaitForLogLine("56 00 05 0D volume 58", kWaitMs);
    ASSERT_FALSE(markerLine.empty());
    std::vector<std::string> lines = sim_->CommandLines();
    const auto marked =
        static_cast<std::size_t>(std::find(lines.begin(), lines.end(), markerLine) - lines.begin());
    ASSERT_TRUE(sim_->WaitForCommandLines(marked + 2, kWaitMs));
    lines = sim_->CommandLines();
    EXPECT_EQ(lines.size(), marked + 2);
    EXPECT_EQ(WithoutTime(lines[marked + 1]).substr(0, 19), "3F 0D version query");
    terminal_->Forget();
    EXPECT_EQ(sim_->Stop(), 0);  // a clean exit: no crash, no sanitizer report
}

// --- Line pace ---------------------------------------------------------------------------------

TEST_F(SimulatorTest, TakesCommandsNoFasterThanTheLineCarriesThem) {
    ASSERT_NO_FATAL_FAILURE(Start({"--signal", "57"}));  // line delay on
    const TuningExample& example = kTuningExamples[0];
    SendAndLog(
        Join(Join(Text("M0\r"), Bytes(example.bytes.begin(), example.bytes.end())), kVersionQuery),
        3);
    EXPECT_EQ(terminal_->Read(8), kVersionReply);

    // Time stamps are when each command's last byte was through at 8.33 ms a byte (the
    // simulator's own clock, not a measurement of this machine).
    const std::vector<std::string> lines = sim_->CommandLines();
    ASSERT_EQ(lines.size(), 3u);
    const auto ms = [](const std::string& line) {
        return static_cast<int>(std::stod(line.substr(0, line.find(' '))) * 1000 + 0.5);
    };
    EXPECT_GE(ms(lines[1]) - ms(lines[0]), 66);  // 8 bytes
    EXPECT_GE(ms(lines[2]) - ms(lines[1]), 16);  // 2 bytes
}

TEST_F(SimulatorTest, NotesLineSettingsTheReceiverCannotFollow) {
    ASSERT_NO_FATAL_FAILURE(Start(kFastSimulator));
    ASSERT_TRUE(terminal_->SetSpeed(B9600));
    SendAndLog(kVersionQuery);
    EXPECT_EQ(sim_->CountLogLines("-- line settings 9600 8N1 (the receiver needs 1200 8N1)"), 1u);

    ASSERT_TRUE(terminal_->SetSpeed(B1200));
    SendAndLog(kVersionQuery);
    EXPECT_EQ(sim_->CountLogLines("-- line settings 1200 8N1"), 1u);
    EXPECT_EQ(sim_->CountLogLines("the receiver needs"), 1u);
}

// --- Faults ------------------------------------------------------------------------------------

struct FaultRow {
    std::string name;
    std::string control;
    std::size_t bytesFromFaultyReply;
};

class SimulatorFaultTest : public SimulatorTest, public testing::WithParamInterface<FaultRow> {};

TEST_P(SimulatorFaultTest, ControlLineShapesRepliesUntilNormal) {
    ASSERT_NO_FATAL_FAILURE(Start(kFastSimulator));
    ASSERT_TRUE(terminal_->Write(kSignalQuery));
    const Bytes healthy = terminal_->Read(4);
    ASSERT_EQ(healthy.size(), 4u);

    ASSERT_TRUE(sim_->Control(GetParam().control));
    SendAndLog(kSignalQuery);
    ASSERT_TRUE(sim_->Control("normal"));
    ASSERT_TRUE(terminal_->Write(kVersionQuery));

    // The faulty reply, then the healthy version reply right behind it.
    const std::size_t faulty = GetParam().bytesFromFaultyReply;
    const Bytes received = terminal_->Read(faulty + 8);
    ASSERT_EQ(received.size(), faulty + 8);
    EXPECT_EQ(Bytes(received.begin() + static_cast<std::ptrdiff_t>(faulty), received.end()),
              kVersionReply);
    for (std::size_t i = 0; i < faulty; ++i) {
        if (GetParam().control == "garbled") {
            EXPECT_NE(received[i], healthy[i]) << "byte " << i;
        } else {
            EXPECT_EQ(received[i], healthy[i]) << "byte " << i;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Controls, SimulatorFaultTest,
                         testing::Values(FaultRow{"Silent", "silent", 0},
                                         FaultRow{"Short", "short", 2},
                                         FaultRow{"Garbled", "garbled", 4},
                                         FaultRow{"Slow", "slow 50", 4}),
                         RowName());

TEST_F(SimulatorTest, SilentFromTheStartStillTakesCommands) {
    ASSERT_NO_FATAL_FAILURE(Start({"--no-line-delay", "--silent"}));
    EXPECT_EQ(SendAndLog(kVersionQuery), "3F 0D version query -> no reply [silent]");
    ASSERT_TRUE(sim_->Control("normal"));
    ASSERT_TRUE(terminal_->Write(kVersionQuery));
    EXPECT_EQ(terminal_->Read(8), kVersionReply);
}

TEST_F(SimulatorTest, RejectsAnUnknownControlLine) {
    ASSERT_NO_FATAL_FAILURE(Start(kFastSimulator));
    EXPECT_FALSE(sim_->Control("louder"));
    EXPECT_FALSE(sim_->Control("slow"));
    EXPECT_TRUE(sim_->Running());
}

TEST_F(SimulatorTest, PowerCycleForgetsTheStateAndGreetsAgain) {
    ASSERT_NO_FATAL_FAILURE(Start({"--no-line-delay", "--banner", "--signal", "57"}));
    EXPECT_EQ(terminal_->Read(kBanner.size()), kBanner);
    SelectMode(1);

    ASSERT_TRUE(sim_->Control("power-cycle 2"));
    ASSERT_TRUE(terminal_->Write(kVersionQuery));  // into a switched-off receiver
    EXPECT_FALSE(sim_->WaitForLogLine("lost: the receiver is switched off", kWaitMs).empty());
    ASSERT_FALSE(sim_->WaitForLogLine("-- power on", kWaitMs, 2).empty());

    // The query went nowhere: the next thing to arrive is the banner.
    EXPECT_EQ(terminal_->Read(kBanner.size()), kBanner);
    const TuningExample& usb = kTuningExamples[1];
    EXPECT_NE(SendAndLog(Bytes(usb.bytes.begin(), usb.bytes.end())).find(" AM "),
              std::string::npos);
}

struct VanishRow {
    std::string name;
    std::vector<std::string> args;
    std::string control;  // empty: the start flag does it
};

class SimulatorVanishTest : public SimulatorTest, public testing::WithParamInterface<VanishRow> {};

TEST_P(SimulatorVanishTest, DeviceDisappearsAndTheSimulatorEnds) {
    const TempDir dir;
    const std::string link = dir.File("rx320");
    std::vector<std::string> args = GetParam().args;
    args.insert(args.end(), {"--link", link});
    ASSERT_NO_FATAL_FAILURE(Start(args));
    EXPECT_TRUE(std::filesystem::is_symlink(link));

    if (!GetParam().control.empty()) {
        ASSERT_TRUE(sim_->Control(GetParam().control));
    }
    EXPECT_TRUE(terminal_->WaitForHangUp());
    EXPECT_TRUE(sim_->WaitForExit(kWaitMs));
    EXPECT_EQ(sim_->Stop(), 0);
    EXPECT_FALSE(std::filesystem::is_symlink(link));
    EXPECT_FALSE(std::filesystem::exists(sim_->DevicePath()));
}

INSTANTIATE_TEST_SUITE_P(
    Ways, SimulatorVanishTest,
    testing::Values(VanishRow{"ControlLine", {"--no-line-delay"}, "vanish"},
                    VanishRow{"StartFlag", {"--no-line-delay", "--vanish-after", "0.2"}, ""}),
    RowName());

TEST_F(SimulatorTest, TerminationRemovesTheLinkAndExitsCleanly) {
    const TempDir dir;
    const std::string link = dir.File("rx320");
    ASSERT_NO_FATAL_FAILURE(Start({"--no-line-delay", "--link", link}));
    EXPECT_EQ(std::filesystem::read_symlink(link), sim_->DevicePath());

    EXPECT_EQ(sim_->Stop(), 0);
    EXPECT_FALSE(std::filesystem::is_symlink(link));
    EXPECT_FALSE(sim_->WaitForLogLine("stopped by signal", kWaitMs).empty());
}

}  // namespace
