#include "platform/posix/local_socket_bus.h"

#include <gtest/gtest.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <mutex>
#include <vector>

#include "platform/posix/bus_directory.h"
#include "platform/posix/bus_frame.h"
#include "support/bus_partner_loop.h"
#include "support/temp_dir.h"

namespace {

// A short limit keeps the cases that wait for a silent partner quick.
constexpr int kTestTimeoutMs = 200;

struct Delivery {
    std::uint32_t value = 0;
    std::vector<std::uint8_t> block;
};

// A bus whose handler records what arrives and answers with value + 1.
class RecordingBus {
  public:
    explicit RecordingBus(const std::string& directory, const std::string& title) {
        bus.SetTimeoutMs(kTestTimeoutMs);
        bus.SetTitle(title);
        bus.SetCopyDataHandler(
            [this](std::uint32_t value, const std::uint8_t* data, std::size_t size) {
                std::lock_guard<std::mutex> lock(mutex);
                deliveries.push_back({value, std::vector<std::uint8_t>(data, data + size)});
                return static_cast<std::int32_t>(value + 1);
            });
        openStatus = bus.Open(directory);
    }

    std::vector<Delivery> Deliveries() {
        std::lock_guard<std::mutex> lock(mutex);
        return deliveries;
    }

    LocalSocketBus bus;
    int openStatus = -1;

  private:
    std::mutex mutex;
    std::vector<Delivery> deliveries;
};

std::vector<BusWindow> AllWindows(LocalSocketBus& bus) {
    std::vector<BusWindow> windows;
    bus.EnumerateWindows([&windows](const BusWindow& window) {
        windows.push_back(window);
        return true;
    });
    return windows;
}

std::vector<std::string> TitlesOf(const std::vector<BusWindow>& windows) {
    std::vector<std::string> titles;
    for (const BusWindow& window : windows) titles.push_back(window.title);
    return titles;
}

// A socket file in the directory that nobody will ever answer: listening but never accepting
// (hung), or bound and closed (the process has ended).
class SilentSocket {
  public:
    SilentSocket(const std::string& path, bool listening) : path_(path) {
        fd_ = ::socket(AF_UNIX, SOCK_STREAM, 0);
        sockaddr_un address{};
        address.sun_family = AF_UNIX;
        std::strncpy(address.sun_path, path.c_str(), sizeof address.sun_path - 1);
        bound_ = ::bind(fd_, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0;
        if (listening) bound_ = bound_ && ::listen(fd_, 4) == 0;
        if (!listening) {
            ::close(fd_);
            fd_ = -1;
        }
    }
    ~SilentSocket() {
        if (fd_ >= 0) ::close(fd_);
    }
    bool Bound() const { return bound_; }

  private:
    std::string path_;
    int fd_ = -1;
    bool bound_ = false;
};

class LocalSocketBusTest : public ::testing::Test {
  protected:
    std::string Directory() const { return temp.File("bus"); }

    TempDir temp;
};

TEST_F(LocalSocketBusTest, JoiningCreatesAPrivateDirectoryAndLeavingRemovesTheSocket) {
    RecordingBus own(Directory(), "own");
    ASSERT_EQ(own.openStatus, 0);
    struct stat info {};
    ASSERT_EQ(::lstat(Directory().c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0700u);
    const std::string address = own.bus.Address();
    EXPECT_TRUE(std::filesystem::is_socket(address));

    own.bus.Close();
    EXPECT_FALSE(std::filesystem::exists(address));
    EXPECT_EQ(own.bus.Fd(), -1);
}

TEST_F(LocalSocketBusTest, UnsafeDirectoriesAreRefusedAndLeftAlone) {
    const std::string open = temp.File("open");
    ASSERT_EQ(::mkdir(open.c_str(), 0700), 0);
    ASSERT_EQ(::chmod(open.c_str(), 0750), 0);
    const std::string file = temp.File("file");
    ASSERT_TRUE(WriteWholeFile(file, "x"));
    const std::string link = temp.File("link");
    ASSERT_EQ(::symlink(Directory().c_str(), link.c_str()), 0);
    ASSERT_EQ(PrepareBusDirectory(Directory()), 0);

    EXPECT_EQ(PrepareBusDirectory(open), 4);
    EXPECT_EQ(PrepareBusDirectory(file), 2);
    EXPECT_EQ(PrepareBusDirectory(link), 2);
    EXPECT_EQ(PrepareBusDirectory(temp.File("missing/below")), 1);

    LocalSocketBus bus;
    EXPECT_EQ(bus.Open(open), 4);
    EXPECT_FALSE(bus.IsOpen());
    struct stat info {};
    ASSERT_EQ(::lstat(open.c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0750u);
}

TEST_F(LocalSocketBusTest, EnumerationListsEveryWindowWithItsTitleInTheSameOrderEachTime) {
    RecordingBus own(Directory(), "  ZORIVAN  own");
    RecordingBus first(Directory(), "ZELKA Station Database");
    RecordingBus second(Directory(), "   another");
    ASSERT_EQ(own.openStatus + first.openStatus + second.openStatus, 0);
    BusPartnerLoop firstLoop(first.bus);
    BusPartnerLoop secondLoop(second.bus);

    const std::vector<BusWindow> windows = AllWindows(own.bus);
    ASSERT_EQ(windows.size(), 3u);
    std::vector<std::string> titles = TitlesOf(windows);
    std::sort(titles.begin(), titles.end());
    EXPECT_EQ(titles,
              (std::vector<std::string>{"   another", "  ZORIVAN  own", "ZELKA Station Database"}));
    for (const BusWindow& window : windows) {
        if (window.title == "  ZORIVAN  own") {
            EXPECT_EQ(window.address, own.bus.Address());
        }
    }
    EXPECT_EQ(TitlesOf(AllWindows(own.bus)), TitlesOf(windows));
}

TEST_F(LocalSocketBusTest, EnumerationStopsWhenTheVisitorSaysSo) {
    RecordingBus own(Directory(), "own");
    RecordingBus partner(Directory(), "partner");
    BusPartnerLoop loop(partner.bus);
    int visited = 0;
    own.bus.EnumerateWindows([&visited](const BusWindow&) {
        ++visited;
        return false;
    });
    EXPECT_EQ(visited, 1);
}

TEST_F(LocalSocketBusTest, ATitleChangeIsSeenByTheNextEnumeration) {
    RecordingBus own(Directory(), "own");
    RecordingBus partner(Directory(), "before");
    std::string title;
    {
        BusPartnerLoop loop(partner.bus);
        ASSERT_TRUE(own.bus.QueryTitle(partner.bus.Address(), title));
        EXPECT_EQ(title, "before");
    }
    partner.bus.SetTitle(std::string(600, 'T'));
    BusPartnerLoop loop(partner.bus);
    ASSERT_TRUE(own.bus.QueryTitle(partner.bus.Address(), title));
    EXPECT_EQ(title, std::string(511, 'T'));
}

TEST_F(LocalSocketBusTest, CopyDataReachesThePartnerAndItsAnswerComesBack) {
    RecordingBus own(Directory(), "own");
    RecordingBus partner(Directory(), "partner");
    BusPartnerLoop loop(partner.bus);
    // Bytes that a text-based transfer would cut short: NUL, CR, and a high byte.
    const std::vector<std::uint8_t> block = {0x00, 0x0D, 0xFF, 'Z', 0x00};

    std::int32_t result = -1;
    ASSERT_TRUE(
        own.bus.SendCopyData(partner.bus.Address(), 10001, block.data(), block.size(), result));
    EXPECT_EQ(result, 10002);
    const std::vector<Delivery> deliveries = partner.Deliveries();
    ASSERT_EQ(deliveries.size(), 1u);
    EXPECT_EQ(deliveries[0].value, 10001u);
    EXPECT_EQ(deliveries[0].block, block);
}

TEST_F(LocalSocketBusTest, ABlockOfTheLargestSizeArrivesWholeAndALargerOneIsNotSent) {
    RecordingBus own(Directory(), "own");
    RecordingBus partner(Directory(), "partner");
    BusPartnerLoop loop(partner.bus);
    std::vector<std::uint8_t> block(bus::kMaxBlock + 1);
    for (std::size_t i = 0; i < block.size(); ++i) block[i] = static_cast<std::uint8_t>(i * 7);

    std::int32_t result = -1;
    EXPECT_FALSE(
        own.bus.SendCopyData(partner.bus.Address(), 7, block.data(), block.size(), result));
    block.pop_back();
    ASSERT_TRUE(own.bus.SendCopyData(partner.bus.Address(), 7, block.data(), block.size(), result));
    const std::vector<Delivery> deliveries = partner.Deliveries();
    ASSERT_EQ(deliveries.size(), 1u);
    EXPECT_EQ(deliveries[0].block, block);
}

TEST_F(LocalSocketBusTest, CopyDataToItsOwnWindowIsHandledAtOnce) {
    RecordingBus own(Directory(), "own");
    const std::uint8_t block[] = {1, 2, 3};
    std::int32_t result = -1;
    ASSERT_TRUE(own.bus.SendCopyData(own.bus.Address(), 41, block, sizeof block, result));
    EXPECT_EQ(result, 42);
    ASSERT_EQ(own.Deliveries().size(), 1u);
}

TEST_F(LocalSocketBusTest, OnlyAddressesInsideTheBusDirectoryAreContacted) {
    RecordingBus own(Directory(), "own");
    TempDir elsewhere;
    RecordingBus stranger(elsewhere.File("bus"), "stranger");
    BusPartnerLoop loop(stranger.bus);
    std::int32_t result = -1;
    const std::uint8_t block[] = {1};
    EXPECT_FALSE(own.bus.SendCopyData(stranger.bus.Address(), 1, block, 1, result));
    EXPECT_FALSE(own.bus.SendCopyData(Directory() + "/../bus/x.sock", 1, block, 1, result));
    EXPECT_TRUE(stranger.Deliveries().empty());
}

TEST_F(LocalSocketBusTest, SocketsOfEndedProcessesAreRemovedWhenMet) {
    RecordingBus own(Directory(), "own");
    const std::string gone = Directory() + "/1-1.sock";
    {
        SilentSocket ended(gone, false);
        ASSERT_TRUE(ended.Bound());
    }
    const std::string leftover = Directory() + "/999999999-3.tmp";
    ASSERT_TRUE(WriteWholeFile(leftover, ""));
    ASSERT_TRUE(std::filesystem::exists(gone));

    EXPECT_EQ(TitlesOf(AllWindows(own.bus)), std::vector<std::string>{"own"});
    EXPECT_FALSE(std::filesystem::exists(gone));
    LocalSocketBus joining;
    ASSERT_EQ(joining.Open(Directory()), 0);
    EXPECT_FALSE(std::filesystem::exists(leftover));
}

TEST_F(LocalSocketBusTest, AHungPartnerIsSkippedAfterTheTimeOutAndKeepsItsSocket) {
    RecordingBus own(Directory(), "own");
    const std::string hungPath = Directory() + "/0-hung.sock";
    SilentSocket hung(hungPath, true);
    ASSERT_TRUE(hung.Bound());

    EXPECT_EQ(TitlesOf(AllWindows(own.bus)), std::vector<std::string>{"own"});
    std::int32_t result = 5;
    const std::uint8_t block[] = {1};
    EXPECT_FALSE(own.bus.SendCopyData(hungPath, 1, block, 1, result));
    EXPECT_EQ(result, 5);
    EXPECT_TRUE(std::filesystem::exists(hungPath));
}

TEST_F(LocalSocketBusTest, AWaitingSenderStillAnswersRequestsToItsOwnWindow) {
    // The partner asks for the sender's title while handling the sender's message.
    RecordingBus own(Directory(), "  ZORIVAN  waiting");
    LocalSocketBus partner;
    partner.SetTimeoutMs(kTestTimeoutMs);
    ASSERT_EQ(partner.Open(Directory()), 0);
    std::string askedTitle;
    const std::string ownAddress = own.bus.Address();
    partner.SetCopyDataHandler([&](std::uint32_t, const std::uint8_t*, std::size_t) {
        partner.QueryTitle(ownAddress, askedTitle);
        return 1;
    });
    BusPartnerLoop loop(partner);

    std::int32_t result = 0;
    const std::uint8_t block[] = {0};
    ASSERT_TRUE(own.bus.SendCopyData(partner.Address(), 10001, block, 1, result));
    EXPECT_EQ(result, 1);
    EXPECT_EQ(askedTitle, "  ZORIVAN  waiting");
}

}  // namespace
