// The frequency entry, the step and continuous-tuning buttons and the mouse wheel.

#include "base/number_text.h"
#include "controller/receiver_controller.h"
#include "ui/main_dialog.h"

namespace {

// The entry box reads no further than this.
constexpr std::size_t kEntryLength = 63;

}  // namespace

void CMainDialog::FrequencyEntry() {
    controller_->StopContinuousTuning();
    std::string text = window_.GetText(IDC_FREQUENCY_ENTRY).substr(0, kEntryLength);
    if (text.empty()) return;
    text = TrimTrailingBlanks(text);
    // The typed decimal scaled exactly: "259.520" kHz is 259,520 Hz, not a hertz less. An entry
    // beyond int arrives at its limit, which the controller clamps to the tuning range.
    const int powerOfTen = controller_->Settings().DisplayMHz == 1 ? 6 : 3;
    ScaledDecimal hz;
    std::size_t consumed = 0;
    if (!ReadScaledDecimalPrefix(text, powerOfTen, hz, consumed) || consumed != text.size()) {
        // Left as typed, for correction.
        host_.Beep();
        window_.SetFocus(IDC_FREQUENCY_ENTRY);
        return;
    }
    controller_->SetFrequency(hz.whole);
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
