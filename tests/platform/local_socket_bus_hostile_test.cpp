// Requests that break the frame rules, sent over the real socket by a raw client: each must be
// answered or dropped without reaching the handler, and the window must go on answering.

#include <gtest/gtest.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cstring>
#include <functional>
#include <ostream>
#include <random>
#include <string>
#include <vector>

#include "exchange/little_endian.h"
#include "platform/posix/bus_frame.h"
#include "platform/posix/local_socket_bus.h"
#include "support/raw_bus_client.h"
#include "support/row_name.h"
#include "support/temp_dir.h"

namespace {

using Bytes = std::vector<std::uint8_t>;

constexpr int kTestTimeoutMs = 100;

struct Answer {
    bool came = false;
    std::uint16_t kind = 0;
    Bytes payload;
};

// Turns the window's loop, as its owner would, until done says so (or long past any deadline).
void ServeUntil(LocalSocketBus& window, const std::function<bool()>& done) {
    for (int turn = 0; turn < 1000 && !done(); ++turn) {
        pollfd ready{window.Fd(), POLLIN, 0};
        if (::poll(&ready, 1, 10) > 0) window.ProcessPending();
    }
}

// Sends raw bytes as one request on a fresh connection, closes the sending half (so the window
// sees the end of what arrived), lets the window answer, and reads what it says.
Answer Exchange(LocalSocketBus& window, const Bytes& bytes, bool closeSendingHalf = true) {
    Answer answer;
    const int fd = ConnectRaw(window.Address());
    if (fd < 0) {
        ADD_FAILURE() << "cannot connect";
        return answer;
    }
    if (!bytes.empty()) {
        EXPECT_EQ(::send(fd, bytes.data(), bytes.size(), MSG_NOSIGNAL),
                  static_cast<ssize_t>(bytes.size()));
    }
    if (closeSendingHalf) ::shutdown(fd, SHUT_WR);
    window.ProcessPending();

    Bytes reply;
    std::uint8_t buffer[4096];
    ssize_t count = 0;
    while ((count = ::recv(fd, buffer, sizeof buffer, MSG_DONTWAIT)) > 0)
        reply.insert(reply.end(), buffer, buffer + count);
    ::close(fd);
    if (reply.empty()) return answer;
    answer.came = true;
    bus::FrameHeader header;
    EXPECT_GE(reply.size(), bus::kHeaderSize);
    if (reply.size() < bus::kHeaderSize) return answer;
    EXPECT_EQ(bus::DecodeFrameHeader(reply.data(), header), bus::HeaderCheck::Ok);
    EXPECT_EQ(reply.size(), bus::kHeaderSize + header.length);
    answer.kind = header.kind;
    answer.payload.assign(reply.begin() + bus::kHeaderSize, reply.end());
    return answer;
}

Bytes Header(std::uint16_t version, std::uint16_t kind, std::uint32_t length) {
    Bytes bytes(bus::kHeaderSize);
    std::memcpy(bytes.data(), bus::kMagic, sizeof bus::kMagic);
    WriteLe16(bytes.data() + 4, version);
    WriteLe16(bytes.data() + 6, kind);
    WriteLe32(bytes.data() + 8, length);
    return bytes;
}

Bytes Concat(Bytes first, const Bytes& second) {
    first.insert(first.end(), second.begin(), second.end());
    return first;
}

Bytes FirstBytes(Bytes bytes, std::size_t count) {
    bytes.resize(count);
    return bytes;
}

Bytes CopyDataPayload(std::uint32_t value, std::uint32_t sizeField, std::size_t blockBytes) {
    Bytes payload(8 + blockBytes, 0x5A);
    WriteLe32(payload.data(), value);
    WriteLe32(payload.data() + 4, sizeField);
    return payload;
}

constexpr std::uint16_t kTitleRequest = 1;
constexpr std::uint16_t kTitleReply = 2;
constexpr std::uint16_t kCopyDataRequest = 3;
constexpr std::uint16_t kCopyDataReply = 4;
constexpr std::uint16_t kRefused = 5;

struct HostileCase {
    const char* name;
    Bytes bytes;
    bool expectAnswer;
    std::uint32_t refusal;  // reason of the expected refusal; 0 for no answer
};

// Failures name the row rather than dumping its bytes.
void PrintTo(const HostileCase& row, std::ostream* out) {
    *out << row.name;
}

std::vector<HostileCase> HostileCases() {
    Bytes badMagic = Concat(Header(1, kCopyDataRequest, 12), CopyDataPayload(1001, 4, 4));
    badMagic[0] = 'X';
    return {
        {"NothingAtAll", {}, false, 0},
        {"HalfAHeader", FirstBytes(Header(1, kCopyDataRequest, 8), 6), false, 0},
        {"WrongMagic", badMagic, true, 1},
        {"OtherVersion", Concat(Header(2, kCopyDataRequest, 12), CopyDataPayload(1001, 4, 4)), true,
         3},
        {"AnnouncesMoreThanTheLimit",
         Concat(Header(1, kCopyDataRequest, bus::kMaxPayload + 1), CopyDataPayload(1001, 4, 4)),
         true, 2},
        {"AnnouncesFourGigabytes", Header(1, kCopyDataRequest, 0xFFFFFFFFu), true, 2},
        {"PayloadEndsEarly", Concat(Header(1, kCopyDataRequest, 100), CopyDataPayload(1, 92, 20)),
         false, 0},
        {"SizeFieldLargerThanTheBlock",
         Concat(Header(1, kCopyDataRequest, 12), CopyDataPayload(1001, 5000, 4)), true, 1},
        {"SizeFieldSmallerThanTheBlock",
         Concat(Header(1, kCopyDataRequest, 12), CopyDataPayload(1001, 2, 4)), true, 1},
        {"CopyDataWithoutItsSizeField", Concat(Header(1, kCopyDataRequest, 4), Bytes(4, 1)), true,
         1},
        {"TitleRequestWithAPayload", Concat(Header(1, kTitleRequest, 3), Bytes(3, 'x')), true, 1},
        {"AnAnswerSentAsARequest", Concat(Header(1, kCopyDataReply, 4), Bytes(4, 0)), true, 3},
        {"UnknownKind", Header(1, 77, 0), true, 3},
    };
}

class HostileRequestTest : public ::testing::TestWithParam<HostileCase> {
  protected:
    void SetUp() override {
        window.SetTimeoutMs(kTestTimeoutMs);
        window.SetTitle("  ZORIVAN  under attack");
        window.SetCopyDataHandler([this](std::uint32_t, const std::uint8_t*, std::size_t) {
            ++delivered;
            return 0;
        });
        ASSERT_EQ(window.Open(temp.File("bus")), 0);
    }

    TempDir temp;
    LocalSocketBus window;
    int delivered = 0;
};

TEST_P(HostileRequestTest, IsRefusedOrDroppedAndTheWindowGoesOn) {
    const HostileCase& hostile = GetParam();
    const Answer answer = Exchange(window, hostile.bytes);
    EXPECT_EQ(delivered, 0);
    ASSERT_EQ(answer.came, hostile.expectAnswer);
    if (hostile.expectAnswer) {
        ASSERT_EQ(answer.kind, kRefused);
        ASSERT_EQ(answer.payload.size(), 4u);
        EXPECT_EQ(ReadLe32(answer.payload.data()), hostile.refusal);
    }

    const Answer title = Exchange(window, bus::EncodeTitleRequest());
    ASSERT_TRUE(title.came);
    EXPECT_EQ(title.kind, kTitleReply);
    EXPECT_EQ(std::string(title.payload.begin(), title.payload.end()), "  ZORIVAN  under attack");
}

INSTANTIATE_TEST_SUITE_P(Frames, HostileRequestTest, ::testing::ValuesIn(HostileCases()),
                         RowName());

TEST_F(HostileRequestTest, AClientThatConnectsAndStaysSilentIsDroppedAfterTheTimeOut) {
    const Answer answer = Exchange(window, Header(1, kCopyDataRequest, 20), false);
    EXPECT_FALSE(answer.came);
    EXPECT_EQ(delivered, 0);
}

// More silent callers than the window reads at once: the next caller waits in the queue, without
// keeping the loop busy, and is answered once silent ones have run out of time.
TEST_F(HostileRequestTest, ACallerBehindAFullHouseOfSilentOnesIsAnsweredInTheEnd) {
    std::vector<int> silent;
    for (std::size_t i = 0; i < LocalSocketBus::kMaxConnections; ++i) {
        silent.push_back(ConnectRaw(window.Address()));
        window.ProcessPending();  // the socket's queue is shorter than the house
    }
    const int late = ConnectRaw(window.Address());
    ASSERT_GE(late, 0);
    const Bytes request = bus::EncodeTitleRequest();
    ASSERT_EQ(::send(late, request.data(), request.size(), MSG_NOSIGNAL),
              static_cast<ssize_t>(request.size()));

    const auto quiet = [this] {
        pollfd ready{window.Fd(), POLLIN, 0};
        return ::poll(&ready, 1, 0) == 0;
    };
    for (int turn = 0; turn < 100 && !quiet(); ++turn) window.ProcessPending();
    EXPECT_TRUE(quiet());
    std::uint8_t reply[bus::kHeaderSize] = {};
    ServeUntil(window, [&] { return ::recv(late, reply, sizeof reply, MSG_DONTWAIT) > 0; });
    EXPECT_EQ(ReadLe16(reply + 6), kTitleReply);
    for (const int fd : silent) ::close(fd);
    ::close(late);
}

// Random bytes and random corruptions of a valid request. Whenever the handler runs, the bytes
// sent must begin with exactly the frame of what it was given: nothing was read beyond what came.
TEST_F(HostileRequestTest, RandomRequestsNeverDeliverAnythingButWhatWasSent) {
    std::mt19937 random(20240951);
    Bytes lastBlock;
    std::uint32_t lastValue = 0;
    window.SetCopyDataHandler([&](std::uint32_t value, const std::uint8_t* data, std::size_t size) {
        ++delivered;
        lastValue = value;
        lastBlock.assign(data, data + size);
        return 0;
    });

    int answered = 0;
    for (int round = 0; round < 400; ++round) {
        Bytes bytes;
        const int shape = round % 4;
        if (shape == 0) {
            bytes.resize(random() % 64);
            for (auto& byte : bytes) byte = static_cast<std::uint8_t>(random());
        } else {
            Bytes block(random() % 300);
            for (auto& byte : block) byte = static_cast<std::uint8_t>(random());
            bytes = bus::EncodeCopyDataRequest(random() % 5000, block.data(), block.size());
            if (shape >= 2) {
                const std::size_t flips = 1 + random() % 3;
                for (std::size_t i = 0; i < flips; ++i)
                    bytes[random() % std::min<std::size_t>(bytes.size(), 24)] =
                        static_cast<std::uint8_t>(random());
            }
            if (shape == 3) bytes.resize(random() % (bytes.size() + 1));
        }

        const int before = delivered;
        const Answer answer = Exchange(window, bytes);
        answered += answer.came ? 1 : 0;
        if (delivered != before) {
            const Bytes expected =
                bus::EncodeCopyDataRequest(lastValue, lastBlock.data(), lastBlock.size());
            ASSERT_GE(bytes.size(), expected.size()) << "round " << round;
            ASSERT_TRUE(std::equal(expected.begin(), expected.end(), bytes.begin()))
                << "round " << round;
            EXPECT_EQ(answer.kind, kCopyDataReply);
        }
    }
    // The untouched requests (a quarter of the rounds) must all have arrived.
    EXPECT_GE(delivered, 100);
    EXPECT_GT(answered, delivered);
}

}  // namespace
