// hamlib's own client, rigctl with the NET rigctl backend (model 2), against the real server:
// it must connect (which parses the whole state dump), then set and read back what WSJT-X,
// fldigi and the loggers use.

#include <gtest/gtest.h>
#include <unistd.h>

#include "platform/posix/tcp_remote_server.h"
#include "support/fake_remote_radio.h"
#include "support/rigctl_client_run.h"

namespace {

class RigctlClientTest : public testing::Test {
  protected:
    void SetUp() override {
        if (::access(kRigctl, X_OK) != 0) GTEST_SKIP() << "rigctl (libhamlib-utils) not installed";
        ASSERT_EQ(server.Open(TcpRemoteServer::kDefaultAddress, 0), 0);
    }

    FakeRemoteRadio radio;
    TcpRemoteServer server{radio};
};

TEST_F(RigctlClientTest, ConnectsSetsAndReadsBack) {
    radio.signalDb = 60;
    const ClientRun run = RunClient(server, {"F", "9580000", "f", "M", "USB", "2400", "m", "l",
                                             "STRENGTH", "L", "AF", "0.5", "l", "AF"});
    ASSERT_TRUE(run.finished) << run.output;
    EXPECT_EQ(run.exitStatus, 0) << run.output;
    EXPECT_EQ(run.output, "9580000\nUSB\n2400\n6\n0.507937\n");
    EXPECT_EQ(radio.frequencyHz, 9580000);
    EXPECT_EQ(radio.mode, 1);
    EXPECT_EQ(radio.filterIndex, 18);
    EXPECT_EQ(radio.volumeLevel, 32);
    EXPECT_EQ(server.ClientCount(), 0u);
}

}  // namespace
