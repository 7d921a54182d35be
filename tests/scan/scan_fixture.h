#pragma once

#include <map>
#include <vector>

#include "controller/controller_fixture.h"

// A started, active controller whose scripted receiver hears a band: levels[f] dB when tuned to
// f, kFloorDb elsewhere. The virtual clock runs the loop.
class ScanTest : public ControllerTest {
  protected:
    static constexpr int kFloorDb = 12;

    void SetUp() override {
        ControllerTest::SetUp();
        device.beforeAnswer = [this](const Bytes& write) {
            if (write != kSignalQuery || silent) return;
            const auto found = levels.find(controller.Settings().Frequency);
            SetSignalDb(found == levels.end() ? kFloorDb : found->second);
        };
        ControllerTestAccess::Settings(controller).Frequency = 6075000;
        StartActive();
    }
    void TearDown() override {
        controller.Stop(0);
        ControllerTest::TearDown();
    }

    void GoSilentInBand() {
        silent = true;
        GoSilent();
    }
    void ComeBack() {
        silent = false;
        AnswerVersion();
    }
    // Lets the loop turn until nothing is posted any more (bounded).
    void RunLoop() {
        for (int turn = 0; turn < 10000 && clock.PendingPosts() > 0; ++turn) clock.RunPending();
    }
    // The frequencies tuned (shown) since the start, in order.
    const std::vector<int>& Tuned() const { return view.frequenciesShown; }

    std::map<int, int> levels;
    bool silent = false;
};
