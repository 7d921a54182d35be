// The receiver link over a real pseudo-terminal: CReceiverLink on the termios device against the
// receiver simulator, checked by what the simulator decoded and what the queries returned.

#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "base/minimum_frequency.h"
#include "link/com_port_map.h"
#include "link/receiver_link.h"
#include "link/tuning_command.h"
#include "platform/posix/posix_serial_device.h"
#include "support/row_name.h"
#include "support/sim_process.h"

namespace {

// Bounded waits for the simulator under the sanitizers on a busy machine; never timing checks.
constexpr int kWaitMs = 10000;
constexpr int kLevelDb = 57;

std::string Hex(const std::array<std::uint8_t, 8>& bytes) {
    return SimProcess::LogHex(std::vector<std::uint8_t>(bytes.begin(), bytes.end()));
}

// "4E ... 0D tune ...": a log line without its time stamp, and without the reply the simulator
// notes after " -> ".
std::string BytesAndMeaning(const std::string& line) {
    const std::string rest = line.substr(line.find(' ') + 1);
    return rest.substr(0, rest.find(" -> "));
}

class LinkSimulatorTest : public testing::Test {
  protected:
    void Start(const std::vector<std::string>& args) {
        MinimumFrequency = kDefaultMinimumFrequency;
        sim_ = std::make_unique<SimProcess>(BuiltSimulatorPath(), args);
        ASSERT_TRUE(sim_->Started());
        ports_.SetPath(1, sim_->DevicePath());
        link_ = std::make_unique<CReceiverLink>(device_, ports_);
        ASSERT_EQ(link_->Connect(1), 0);
    }

    // The whole radio state, in the order the controller sends it after an alive check.
    void ApplyWholeState() {
        EXPECT_EQ(link_->SetMode(1), 0);  // USB
        EXPECT_EQ(link_->SetAgc(3), 0);
        EXPECT_EQ(link_->SetFilter(18), 0);  // 2400 Hz
        EXPECT_EQ(link_->SetPassbandShift(0), 0);
        EXPECT_EQ(link_->SetCwFrequency(700), 0);
        EXPECT_EQ(link_->SetCorrection(5000000, 0, 25000000, 0), 0);
        EXPECT_EQ(link_->SetFrequency(7100000), 0);
        EXPECT_EQ(link_->SetVolume(40), 0);
        EXPECT_EQ(link_->SetLineLevel(10), 0);
    }

    // Declared before the link, which must close the device before it goes.
    PosixSerialDevice device_;
    ComPortMap ports_;
    std::unique_ptr<SimProcess> sim_;
    std::unique_ptr<CReceiverLink> link_;
};

TEST_F(LinkSimulatorTest, WholeStateArrivesDecodedAndBothQueriesAnswerAtLinePace) {
    ASSERT_NO_FATAL_FAILURE(Start({"--signal", std::to_string(kLevelDb)}));  // line delay on
    ApplyWholeState();

    // The same tuning at 6,075,000 Hz in USB with the 4800 Hz filter, as sent before the filter
    // command, and at 6,075,000 Hz with 2400 Hz.
    TuningInput usbWide;
    usbWide.mode = 1;
    TuningInput usbNarrow = usbWide;
    usbNarrow.filterIndex = 18;
    const std::string wide = Hex(EncodeTuningCommand(ComputeTuningFactors(usbWide)));
    const std::string narrow = Hex(EncodeTuningCommand(ComputeTuningFactors(usbNarrow)));
    const std::vector<std::string> expected = {
        "4D 31 0D mode USB",
        wide + " tune 6075000 Hz USB filter 4800 Hz pbs 0 Hz",
        "47 33 0D agc fast",
        "57 0E 0D filter 2400 Hz (code 14)",
        narrow + " tune 6075000 Hz USB filter 2400 Hz pbs 0 Hz",
        narrow + " tune 6075000 Hz USB filter 2400 Hz pbs 0 Hz",
        narrow + " tune 6075000 Hz USB filter 2400 Hz pbs 0 Hz",
        narrow + " tune 6075000 Hz USB filter 2400 Hz pbs 0 Hz",
        "4E 51 68 03 33 64 3E 0D tune 7100000 Hz USB filter 2400 Hz pbs 0 Hz",
        "56 00 17 0D volume 40",
        "41 00 35 0D line 10",
    };
    // A pseudo-terminal takes a write at once where a real line would hold the program for the
    // byte times; waiting for the simulator to take the burst stands in for that.
    ASSERT_TRUE(sim_->WaitForCommandLines(expected.size(), kWaitMs));

    int levelDb = -1;
    EXPECT_EQ(link_->QuerySignalStrength(levelDb), 0);
    EXPECT_EQ(levelDb, kLevelDb);
    int version = -1;
    EXPECT_EQ(link_->QueryVersion(version), 0);
    EXPECT_EQ(version, 103);

    ASSERT_TRUE(sim_->WaitForCommandLines(expected.size() + 2, kWaitMs));
    std::vector<std::string> logged;
    for (const std::string& line : sim_->CommandLines()) logged.push_back(BytesAndMeaning(line));
    std::vector<std::string> whole = expected;
    whole.push_back("58 0D signal query 57.0 dB");
    whole.push_back("3F 0D version query");
    EXPECT_EQ(logged, whole);
}

TEST_F(LinkSimulatorTest, ProgramSetsTheReceiversLineSettings) {
    // The simulator starts the terminal raw at 1200 8N1; a program that changed anything would
    // show in the log as a line-settings event.
    ASSERT_NO_FATAL_FAILURE(Start({"--no-line-delay"}));
    EXPECT_EQ(link_->SetVolume(20), 0);
    ASSERT_TRUE(sim_->WaitForCommandLines(1, kWaitMs));
    EXPECT_EQ(sim_->CountLogLines("the receiver needs"), 0u);
}

struct QueryFaultRow {
    std::string name;
    std::string control;
};

class LinkSimulatorFaultTest : public LinkSimulatorTest,
                               public testing::WithParamInterface<QueryFaultRow> {};

TEST_P(LinkSimulatorFaultTest, BothQueriesFailWithCodeTwoAndRecoverAfterNormal) {
    ASSERT_NO_FATAL_FAILURE(Start({"--no-line-delay", "--signal", std::to_string(kLevelDb)}));
    ASSERT_TRUE(sim_->Control(GetParam().control));

    int version = -1;
    EXPECT_EQ(link_->QueryVersion(version), 2);
    EXPECT_EQ(version, 0);
    int levelDb = -1;
    EXPECT_EQ(link_->QuerySignalStrength(levelDb), 2);
    EXPECT_EQ(levelDb, 0);

    ASSERT_TRUE(sim_->Control("normal"));
    // A late reply from the slow case may still be on its way; the purge before each query
    // drops what has come, and an answer can take a few tries to stand clear of it.
    int tries = 0;
    while (link_->QueryVersion(version) != 0 && ++tries < 10) {
    }
    EXPECT_EQ(version, 103);
}

INSTANTIATE_TEST_SUITE_P(Receivers, LinkSimulatorFaultTest,
                         testing::Values(QueryFaultRow{"Silent", "silent"},
                                         QueryFaultRow{"Short", "short"},
                                         QueryFaultRow{"SlowerThanTheTimeOut", "slow 600"}),
                         RowName());

TEST_F(LinkSimulatorTest, VanishedDeviceFailsTheLinkAndSaysItIsGone) {
    ASSERT_NO_FATAL_FAILURE(Start({"--no-line-delay"}));
    ASSERT_TRUE(sim_->Control("vanish"));
    ASSERT_TRUE(sim_->WaitForExit(kWaitMs));

    int levelDb = -1;
    EXPECT_EQ(link_->QuerySignalStrength(levelDb), 2);
    EXPECT_NE(link_->SetVolume(10), 0);
    EXPECT_TRUE(device_.DeviceGone());
}

}  // namespace
