#include "link/line_queue.h"

#include <gtest/gtest.h>

#include <string>

#include "link/receiver_link.h"
#include "support/scripted_serial_device.h"

namespace {

// Jobs that write their label into a log instead of touching a line.
class LineQueueTest : public testing::Test {
  protected:
    void Push(LineJobKind kind, const std::string& label) {
        queue.Push({kind, [this, label](CReceiverLink&) {
                        log += label + " ";
                        return LineReply();
                    }});
    }
    std::string Drain() {
        LineJob job;
        while (queue.Pop(job)) job.work(link);
        return log;
    }

    ScriptedSerialDevice device;
    ComPortMap ports;
    CReceiverLink link{device, ports};
    LineQueue queue;
    std::string log;
};

TEST_F(LineQueueTest, ANewerSetterTakesTheWaitingOnesPlaceAndGoesAheadOfWaitingQueries) {
    Push(LineJobKind::Frequency, "f1");
    Push(LineJobKind::Mode, "m1");
    Push(LineJobKind::Query, "q1");
    Push(LineJobKind::Frequency, "f2");
    Push(LineJobKind::Query, "q2");
    Push(LineJobKind::Frequency, "f3");
    Push(LineJobKind::Volume, "v1");
    EXPECT_EQ(Drain(), "f3 m1 v1 q1 q2 ");
}

TEST_F(LineQueueTest, AQueryIsOvertakenOnceSoAStreamOfChangesCannotStarveIt) {
    Push(LineJobKind::Query, "poll");
    Push(LineJobKind::Frequency, "f1");
    LineJob next;
    ASSERT_TRUE(queue.Pop(next));  // f1 goes to the line; the next frequency finds none waiting
    next.work(link);
    Push(LineJobKind::Frequency, "f2");
    Push(LineJobKind::Frequency, "f3");
    EXPECT_EQ(Drain(), "f1 poll f3 ");
}

TEST_F(LineQueueTest, NoSetterIsMergedAcrossAPortChange) {
    // The mute before a port closes belongs to the receiver on the old port.
    Push(LineJobKind::Volume, "mute");
    Push(LineJobKind::Port, "reopen");
    Push(LineJobKind::Query, "q1");
    Push(LineJobKind::Volume, "v40");
    Push(LineJobKind::Volume, "v41");
    EXPECT_EQ(Drain(), "mute reopen v41 q1 ");
}

TEST_F(LineQueueTest, DroppingQueriesKeepsEveryCommand) {
    Push(LineJobKind::Query, "q1");
    Push(LineJobKind::Volume, "v0");
    Push(LineJobKind::Query, "q2");
    Push(LineJobKind::Port, "close");
    queue.DropQueries();
    EXPECT_EQ(Drain(), "v0 close ");
}

}  // namespace
