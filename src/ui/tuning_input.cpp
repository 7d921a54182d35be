// The frequency entry, the step and continuous-tuning buttons and the mouse wheel.

#include <cmath>
#include <limits>

#include "controller/receiver_controller.h"
#include "ui/main_dialog.h"
#include "base/number_text.h"

namespace {

// The entry box reads no further than this.
constexpr std::size_t kEntryLength = 63;

// value in the display unit to whole hertz, truncated toward zero. A huge or infinite entry is
// kept within int here so that the controller can clamp it to the tuning range.
int EntryToHz(double value, int displayMHz) {
    const double hz = std::trunc(value * (displayMHz == 1 ? 1000000.0 : 1000.0));
    if (!(hz > std::numeric_limits<int>::min())) return std::numeric_limits<int>::min();
    if (!(hz < std::numeric_limits<int>::max())) return std::numeric_limits<int>::max();
    return static_cast<int>(hz);
}

}  // namespace

void CMainDialog::FrequencyEntry() {
    controller_->StopContinuousTuning();
    std::string text = window_.GetText(IDC_FREQUENCY_ENTRY).substr(0, kEntryLength);
    if (text.empty()) return;
    text = TrimTrailingBlanks(text);
    double value = 0;
    std::size_t consumed = 0;
    if (!ReadDecimalPrefix(text, value, consumed) || consumed != text.size()) {
        // Left as typed, for correction.
        host_.Beep();
        window_.SetFocus(IDC_FREQUENCY_ENTRY);
        return;
    }
    controller_->SetFrequency(EntryToHz(value, controller_->Settings().DisplayMHz));
    window_.SetText(IDC_FREQUENCY_ENTRY, std::string());
}

void CMainDialog::ContinuousButton(int id, int direction) {
    const int otherId = id == IDC_CONT_UP ? IDC_CONT_DOWN : IDC_CONT_UP;
    const int state = window_.GetCheck(id);
    // The two directions release each other: end the other run before this one starts.
    if (state == 1 && window_.GetCheck(otherId) != 0) {
        window_.SetCheck(otherId, 0);
        controller_->ContinuousTuning(direction, 0);
    }
    controller_->ContinuousTuning(direction, state);
}

void CMainDialog::OnRepeatButton(int action, int buttonId) {
    if (controller_ == nullptr) return;
    if (buttonId == IDC_UP) {
        controller_->StepButton(1, action);
    } else if (buttonId == IDC_DOWN) {
        controller_->StepButton(-1, action);
    }
}

void CMainDialog::OnMouseWheel(int delta) {
    if (controller_ == nullptr) return;
    StepOnce(delta > 0 ? 1 : -1);
}

void CMainDialog::StepOnce(int direction) {
    // A press and an immediate release: exactly one step, no repeat.
    controller_->StepButton(direction, -1);
    controller_->StepButton(direction, 1);
}
