#include "scan/scanner.h"

#include <gtest/gtest.h>

#include "scan/scan_channels.h"
#include "scan/scan_fixture.h"

namespace {

struct RecordingScanView : ScanView {
    void ShowScanState(ScanState state, int frequencyHz, int levelDb) override {
        if (state == ScanState::kHolding) holds.push_back({frequencyHz, levelDb});
    }
    void ShowScanEnded(ScanEnd how) override { ended.push_back(how); }

    std::vector<std::vector<int>> holds;
    std::vector<ScanEnd> ended;
};

const std::vector<int> kChannels{9570000, 9575000, 9580000, 9585000};

class ScannerTest : public ScanTest {
  protected:
    void SetUp() override {
        ScanTest::SetUp();
        ControllerTestAccess::Settings(controller).SquelchLevel = 40;
        levels = {{9580000, 50}};
        scanner.SetView(&scanView);
    }
    void StartScan(int dwellMs = 0, int holdMs = 3000) {
        ASSERT_EQ(scanner.Start(kChannels, ScanRules{dwellMs, holdMs, 0}), ChannelsStatus::kOk);
    }

    CScanner scanner{controller};
    RecordingScanView scanView;
};

TEST_F(ScannerTest, StopsOnASignalAtTheSquelchLevelHoldsThenGoesOnAndWrapsAround) {
    StartScan();
    RunLoop();
    EXPECT_EQ(scanner.State(), ScanState::kHolding);
    EXPECT_EQ(Tuned(), (std::vector<int>{9570000, 9575000, 9580000}));
    EXPECT_EQ(scanView.holds, (std::vector<std::vector<int>>{{9580000, 50}}));

    // On hold the meter polls as usual and the scan stays.
    clock.Advance(2999);
    EXPECT_EQ(Tuned().size(), 3u);
    EXPECT_GT(view.meter.size(), 3u);

    clock.Advance(1);
    RunLoop();
    EXPECT_EQ(Tuned(),
              (std::vector<int>{9570000, 9575000, 9580000, 9585000, 9570000, 9575000, 9580000}));
    EXPECT_EQ(scanner.State(), ScanState::kHolding);
}

TEST_F(ScannerTest, ResumeGoesOnAtOnceAndSkipNeverStopsThereAgain) {
    levels[9570000] = 60;
    StartScan();
    RunLoop();
    ASSERT_EQ(scanner.CurrentFrequency(), 9570000);
    scanner.Resume();
    RunLoop();
    EXPECT_EQ(scanner.CurrentFrequency(), 9580000);

    scanner.SkipCurrent();
    RunLoop();
    EXPECT_EQ(scanner.CurrentFrequency(), 9570000);
    scanner.SkipCurrent();
    // Both signals skipped: round and round without stopping, one channel per loop turn.
    const std::size_t before = Tuned().size();
    for (int turn = 0; turn < 6; ++turn) clock.RunPending();
    EXPECT_EQ(scanner.State(), ScanState::kScanning);
    EXPECT_EQ(scanner.SkipList(), (std::vector<int>{9580000, 9570000}));
    EXPECT_EQ(std::vector<int>(Tuned().begin() + static_cast<long>(before), Tuned().end()),
              (std::vector<int>{9585000, 9575000, 9585000, 9575000, 9585000, 9575000}));
}

TEST_F(ScannerTest, DwellWaitsOnEachChannelBeforeItIsMeasured) {
    ControllerTestAccess::Settings(controller).DisplaySignalStrength = 0;
    StartScan(500);
    clock.Advance(499);
    EXPECT_EQ(QueriesOf(kSignalQuery), 0);
    clock.Advance(1);
    EXPECT_EQ(QueriesOf(kSignalQuery), 1);
    EXPECT_EQ(Tuned(), (std::vector<int>{9570000, 9575000}));
    clock.Advance(1000);
    EXPECT_EQ(scanner.State(), ScanState::kHolding);
    EXPECT_EQ(QueriesOf(kSignalQuery), 3);
}

TEST_F(ScannerTest, UserTuningOrASilentReceiverEndsTheScanForGood) {
    StartScan();
    clock.RunPending();
    controller.SetFrequency(7100000);
    clock.Advance(10000);
    EXPECT_EQ(scanner.State(), ScanState::kIdle);
    EXPECT_EQ(controller.Settings().Frequency, 7100000);

    StartScan(0, 1000);
    GoSilentInBand();
    RunLoop();
    ComeBack();
    clock.Advance(kAlivePeriodMs * 3);
    EXPECT_EQ(controller.HardwareActive(), 1);
    EXPECT_EQ(scanner.State(), ScanState::kIdle);
    EXPECT_EQ(scanView.ended,
              (std::vector<ScanEnd>{ScanEnd::kUserTuned, ScanEnd::kReceiverSilent}));
}

TEST_F(ScannerTest, MemoryScanTakesTheChosenStationsOnce) {
    CStationList& stations = ControllerTestAccess::Stations(controller);
    StationNode a{}, b{}, c{};
    stations.Add(StationRecord("A", 9570000, 0, 2, 28, 0), a);
    stations.Add(StationRecord("B", 9580000, 0, 2, 28, 0), b);
    stations.Add(StationRecord("C", 9570000, 0, 2, 28, 0), c);
    std::vector<int> channels;
    EXPECT_EQ(StationChannels(stations, {}, channels), ChannelsStatus::kOk);
    EXPECT_EQ(channels, (std::vector<int>{9570000, 9580000}));
    EXPECT_EQ(StationChannels(stations, {b}, channels), ChannelsStatus::kOk);
    EXPECT_EQ(channels, (std::vector<int>{9580000}));
    EXPECT_EQ(StationChannels(stations, {StationNode{999}}, channels), ChannelsStatus::kNone);
    EXPECT_EQ(scanner.Start({}, ScanRules{}), ChannelsStatus::kNone);
}

}  // namespace
