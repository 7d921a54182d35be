// Typed numbers: the decimal and integer readers, the main window's frequency entry and the
// Station dialog's OK checks, on arbitrary text. Nothing crashes or overflows, the receiver is
// only ever tuned within its range, and a station the dialog accepts survives its station file.

#include <fuzzer/FuzzedDataProvider.h>

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <string>

#include "base/minimum_frequency.h"
#include "base/number_text.h"
#include "fuzz_check.h"
#include "stations/commands/station_edit_dialog.h"
#include "stations/station_list.h"
#include "support/controller_test_access.h"
#include "support/fake_dialog_window.h"
#include "support/fake_host.h"
#include "support/main_window_rig.h"

namespace {

constexpr std::size_t kLongestText = 200;

void ReadNumbers(const std::string& text) {
    double value = 0;
    std::size_t consumed = 0;
    const bool read = ReadDecimalPrefix(text, value, consumed);
    if (read) {
        FUZZ_CHECK(consumed > 0 && consumed <= text.size());
        FUZZ_CHECK(!std::isnan(value));
    }
    // The exact reader takes the same text and differs from the binary product by rounding only.
    ScaledDecimal kHz;
    std::size_t scaledConsumed = 0;
    FUZZ_CHECK(ReadScaledDecimalPrefix(text, 3, kHz, scaledConsumed) == read);
    if (read) {
        FUZZ_CHECK(scaledConsumed == consumed);
        const double product = std::trunc(value * 1000.0);
        if (std::fabs(product) < 2e9) FUZZ_CHECK(std::fabs(product - kHz.whole) <= 1.0);
    }
    int whole = 0;
    ReadIntegerPrefix(text, whole);
    const std::string trimmed = TrimTrailingBlanks(text);
    FUZZ_CHECK(trimmed.empty() || trimmed.back() != ' ');
    FUZZ_CHECK(text.compare(0, trimmed.size(), trimmed) == 0);
}

void EnterFrequency(const std::string& text, int displayMHz) {
    MainWindowRig program;
    ControllerTestAccess::Settings(program.controller).DisplayMHz = displayMHz;
    program.dialog.OnInitDialog();

    program.window.SetText(IDC_FREQUENCY_ENTRY, text);
    program.dialog.OnCommand(IDC_ENTER);
    const int frequencyHz = ControllerTestAccess::Settings(program.controller).Frequency;
    FUZZ_CHECK(frequencyHz >= MinimumFrequency && frequencyHz <= kMaximumFrequency);
    FUZZ_CHECK(ControllerTestAccess::Link(program.controller).Frequency() == frequencyHz);
    // Either the entry was taken and cleared, or it stays for correction after a beep.
    const bool taken = program.window.GetText(IDC_FREQUENCY_ENTRY).empty();
    FUZZ_CHECK(taken || program.host.beeps == 1);
}

void EditStation(FuzzedDataProvider& input) {
    MinimumFrequency =
        input.ConsumeIntegralInRange(kLowestMinimumFrequency, kDefaultMinimumFrequency);
    FakeHost host;
    FakeDialogWindow window;
    window.DeclareRadioGroup(
        {IDC_EDIT_MODE_AM, IDC_EDIT_MODE_USB, IDC_EDIT_MODE_LSB, IDC_EDIT_MODE_CW});
    window.DeclareRadioGroup({IDC_EDIT_AGC_SLOW, IDC_EDIT_AGC_MED, IDC_EDIT_AGC_FAST});
    CStationEditDialog dialog(host);
    dialog.displayMHz = input.ConsumeBool() ? 1 : 0;
    dialog.modeChoice = 1;
    dialog.agcChoice = 1;
    dialog.frequency = 7100000;
    dialog.filter = input.ConsumeIntegralInRange(0, 35);
    dialog.OnInitDialog(window);

    window.SetText(IDC_EDIT_NAME, input.ConsumeRandomLengthString(kLongestText));
    window.SetText(IDC_EDIT_FREQUENCY, input.ConsumeRandomLengthString(kLongestText));
    window.SetText(IDC_EDIT_PBSHIFT, input.ConsumeRandomLengthString(kLongestText));
    dialog.OnCommand(window, IDOK);
    if (window.endResult != IDOK) {
        FUZZ_CHECK(window.endResult == 0);
        FUZZ_CHECK(host.messages.size() == 1);
        return;
    }
    FUZZ_CHECK(host.messages.empty());
    FUZZ_CHECK(dialog.frequency >= MinimumFrequency && dialog.frequency <= kMaximumFrequency);
    FUZZ_CHECK(dialog.passbandShift >= -1000 && dialog.passbandShift <= 1000);

    // What OK let through goes into the station file and must come back from it unchanged.
    CStationList list;
    StationNode node = kNoStation;
    const StationRecord station(dialog.name, dialog.frequency, dialog.modeChoice,
                                dialog.agcChoice + 1, dialog.filter, dialog.passbandShift);
    FUZZ_CHECK(list.Add(station, node) == 0);
    CStationList reread;
    FUZZ_CHECK(reread.Parse(list.Serialize()) == 0);
    StationNode cursor = kNoStation;
    StationRecord back;
    FUZZ_CHECK(reread.GetNext(cursor, node, back) == 0);
    FUZZ_CHECK(back.name == station.name);
    FUZZ_CHECK(back.frequency == station.frequency);
    FUZZ_CHECK(back.passbandShift == station.passbandShift);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider input(data, size);
    switch (input.ConsumeIntegralInRange(0, 2)) {
        case 0:
            ReadNumbers(input.ConsumeRemainingBytesAsString());
            break;
        case 1: {
            const int displayMHz = input.ConsumeBool() ? 1 : 0;
            EnterFrequency(input.ConsumeRemainingBytesAsString(), displayMHz);
            break;
        }
        default:
            EditStation(input);
            break;
    }
    MinimumFrequency = kDefaultMinimumFrequency;
    return 0;
}
