// The exchange over the real local-socket bus: the partner runs on a thread of its own, as the
// companion program would in its own process; this thread plays the program's event loop.

#include <poll.h>

#include <algorithm>
#include <atomic>
#include <functional>
#include <mutex>
#include <random>
#include <thread>

#include "base/control_ids.h"
#include "exchange/exchange_value.h"
#include "exchange/little_endian.h"
#include "exchange/partner_title.h"
#include "exchange_fixture.h"
#include "platform/posix/local_socket_bus.h"
#include "support/bus_partner_loop.h"
#include "support/controller_test_access.h"
#include "support/station_walk.h"
#include "support/temp_dir.h"

namespace {

class ExchangeSocketTest : public ExchangeTest {
  protected:
    void SetUp() override {
        ExchangeTest::SetUp();
        own.SetTitle(kTitleActive);
        own.SetCopyDataHandler(
            [this](std::uint32_t value, const std::uint8_t* data, std::size_t size) {
                return dialog.OnCopyData(value, data, size);
            });
        ASSERT_EQ(own.Open(Directory()), 0);
        dialog.SetCopyDataBus(&own);
    }

    std::string Directory() const { return temp.File("bus"); }

    // Runs the program's loop until work, on a thread of its own, is done.
    void ServeWhile(const std::function<void()>& work) {
        std::atomic<bool> done{false};
        std::thread partner([&] {
            work();
            done = true;
        });
        while (!done) {
            pollfd ready{own.Fd(), POLLIN, 0};
            if (::poll(&ready, 1, 10) > 0) own.ProcessPending();
        }
        partner.join();
    }

    TempDir temp;
    LocalSocketBus own;
};

TEST_F(ExchangeSocketTest, ZelReachesAPartnerWhoseTitleBeginsWithBlanks) {
    Start();
    LocalSocketBus partner;
    partner.SetTitle("   ZELKA Station Database");
    std::mutex mutex;
    std::vector<std::pair<std::uint32_t, Bytes>> received;
    partner.SetCopyDataHandler(
        [&](std::uint32_t value, const std::uint8_t* data, std::size_t size) {
            std::lock_guard<std::mutex> lock(mutex);
            received.emplace_back(value, Bytes(data, data + size));
            return 7;
        });
    ASSERT_EQ(partner.Open(Directory()), 0);
    {
        BusPartnerLoop loop(partner);
        dialog.OnCommand(IDC_ZEL);
    }
    EXPECT_TRUE(host.messages.empty());
    ASSERT_EQ(received.size(), 1u);
    EXPECT_EQ(received[0].first, 10001u);
    ASSERT_EQ(received[0].second.size(), 76u);
    EXPECT_EQ(ReadLe32Signed(received[0].second.data()), 7100000);
    EXPECT_TRUE(std::all_of(received[0].second.begin() + 4, received[0].second.end(),
                            [](std::uint8_t byte) { return byte == 0; }));
}

TEST_F(ExchangeSocketTest, TuneAndStationMessagesFromThePartnerArrive) {
    Start({StationRecord("Stored", 6075000, 0, 1, 28, 0)});
    LocalSocketBus partner;
    ASSERT_EQ(partner.Open(Directory()), 0);
    ServeWhile([&] {
        BusWindow target;
        ASSERT_TRUE(FindProgramWindow(partner, "ZORIVAN", target));
        std::int32_t result = -1;
        const Bytes tune = WriteExchangeBlock(2, 9580000, {});
        ASSERT_TRUE(partner.SendCopyData(target.address, 1002, tune.data(), tune.size(), result));
        const Bytes station = WriteExchangeBlock(3, 11700000, {"W", "X", "Y", "Z"});
        ASSERT_TRUE(
            partner.SendCopyData(target.address, 2003, station.data(), station.size(), result));
        EXPECT_EQ(result, 0);
    });
    EXPECT_EQ(ControllerTestAccess::Settings(controller).Frequency, 11700000);
    EXPECT_EQ(window.rows[0].name, "W (X), Y, Z");
    EXPECT_EQ(window.GetSelectedRow(), 0);
}

// Many messages, most of them nonsense: random values and blocks of random length and content,
// "|" and line breaks included. None may crash the program, slip a separator into the station
// list, or tune outside the receiver's range.
TEST_F(ExchangeSocketTest, RandomAndHostileMessagesLeaveAConsistentStationList) {
    Start({StationRecord("Stored", 6075000, 0, 1, 28, 0)});
    LocalSocketBus partner;
    ASSERT_EQ(partner.Open(Directory()), 0);
    const std::uint32_t values[] = {1001, 1002, 1003, 2001, 2002, 2003, 1004, 2000, 3001, 0};
    int delivered = 0;
    int storingMessages = 0;
    ServeWhile([&] {
        BusWindow target;
        ASSERT_TRUE(FindProgramWindow(partner, "ZORIVAN", target));
        std::mt19937 random(6075);
        const std::uint8_t alphabet[] = {'|', '\n', '\r', 0, ' ', 'a', 'Z', 0xE4, '\t'};
        for (int round = 0; round < 300; ++round) {
            std::uint32_t value = values[random() % std::size(values)];
            if (round % 10 == 9) value = static_cast<std::uint32_t>(random());
            Bytes block(random() % 400);
            for (auto& byte : block) byte = alphabet[random() % std::size(alphabet)];
            if (block.size() >= 4) WriteLe32Signed(block.data(), 5000000 + round * 1000);
            std::int32_t result = -1;
            if (partner.SendCopyData(target.address, value, block.data(), block.size(), result))
                ++delivered;
            const ExchangeValue split = SplitExchangeValue(value);
            if (split.type == kStationMessage && IsKnownBlockFormat(split.format) &&
                block.size() >= 4)
                ++storingMessages;
        }
    });

    EXPECT_EQ(delivered, 300);
    const std::vector<std::string> lines = StationLines(ControllerTestAccess::Stations(controller));
    // Every message that could store did: each carried a frequency no station had.
    EXPECT_EQ(static_cast<int>(lines.size()), 1 + storingMessages);
    EXPECT_EQ(window.RowCount(), static_cast<int>(lines.size()));
    for (const FakeMainWindow::Row& row : window.rows)
        EXPECT_EQ(row.name.find_first_of("|\r\n"), std::string::npos) << row.name;
    // A station file read back holds the same stations (in reverse, as every load does).
    CStationList reloaded;
    ASSERT_EQ(reloaded.Parse(ControllerTestAccess::Stations(controller).Serialize()), 0);
    EXPECT_EQ(StationLines(reloaded), std::vector<std::string>(lines.rbegin(), lines.rend()));
    EXPECT_GE(ControllerTestAccess::Settings(controller).Frequency, MinimumFrequency);
    EXPECT_LE(ControllerTestAccess::Settings(controller).Frequency, 30000000);
}

}  // namespace
