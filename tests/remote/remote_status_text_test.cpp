#include "remote/remote_status_text.h"

#include <gtest/gtest.h>

TEST(RemoteStatusTextTest, SaysWhereItListensHowManyClientsAndWhyItCannot) {
    EXPECT_EQ(RemoteStatusText(false, 0, "127.0.0.1", 4532, 3), "");
    EXPECT_EQ(RemoteStatusText(true, 0, "127.0.0.1", 4532, 0),
              "Network control (rigctld) on 127.0.0.1:4532, no client");
    EXPECT_EQ(RemoteStatusText(true, 0, "::1", 4532, 1),
              "Network control (rigctld) on [::1]:4532, 1 client connected");
    EXPECT_EQ(RemoteStatusText(true, 0, "0.0.0.0", 4533, 2),
              "Network control (rigctld) on 0.0.0.0:4533, 2 clients connected");
    EXPECT_EQ(RemoteStatusText(true, RemoteOpenResult::kNotNumeric, "localhost", 4532, 0),
              "Network control is off: \"localhost\" is not a numeric address (profile section "
              "Remote, key Address)");
    EXPECT_EQ(RemoteStatusText(true, RemoteOpenResult::kCannotBind, "127.0.0.1", 4532, 0),
              "Network control is off: 127.0.0.1:4532 cannot be used (in use by another program, "
              "or not this machine's address)");
}
