#include "stations/commands/station_edit_dialog.h"

#include <cstddef>
#include <cstdio>

#include "base/frequency_text.h"
#include "base/minimum_frequency.h"
#include "base/number_text.h"
#include "link/filter_table.h"
#include "stations/station_file_format.h"

namespace {

// A field is read from its first 127 characters only.
constexpr std::size_t kFieldLength = 127;

template <class Bound>
std::string RangeMessage(const char* format, Bound low, Bound high) {
    char buffer[160];
    std::snprintf(buffer, sizeof buffer, format, low, high);
    return buffer;
}

}  // namespace

void CStationEditDialog::OnInitDialog(DialogWindow& window) {
    window.SetText(IDC_EDIT_NAME, name);
    window.SetRadioIndex(IDC_EDIT_MODE_AM, modeChoice);
    window.SetRadioIndex(IDC_EDIT_AGC_SLOW, agcChoice);
    window.SetText(IDC_EDIT_FREQUENCY, FrequencyText(frequency, displayMHz));
    window.SetText(IDC_EDIT_PBSHIFT, std::to_string(passbandShift));
    for (const FilterRow& row : FilterTable::kRows) {
        window.AddListItem(IDC_EDIT_FILTER, std::to_string(row.bandwidthHz));
    }
    window.SetListSelection(IDC_EDIT_FILTER, filter);
    window.SetFocus(IDC_EDIT_NAME);
}

void CStationEditDialog::OnCommand(DialogWindow& window, int id) {
    if (id == IDOK) {
        OnOk(window);
    } else if (id == IDCANCEL) {
        window.EndDialog(IDCANCEL);
    }
}

void CStationEditDialog::Refuse(DialogWindow& window, int id, const std::string& message) {
    host_.MessageBox(message, MessageButtons::Ok, MessageIcon::Exclamation);
    window.SetFocus(id);
}

bool CStationEditDialog::ReadNumberField(
    DialogWindow& window, int id,
    const std::function<bool(const std::string&, std::size_t&)>& read) {
    const std::string text = TrimTrailingBlanks(window.GetText(id).substr(0, kFieldLength));
    if (text.empty()) return true;
    std::size_t consumed = 0;
    if (read(text, consumed) && consumed == text.size()) return true;
    Refuse(window, id, "Illegal Input !\n(Please enter a number)");
    return false;
}

void CStationEditDialog::OnOk(DialogWindow& window) {
    name = window.GetText(IDC_EDIT_NAME);
    modeChoice = window.GetRadioIndex(IDC_EDIT_MODE_AM);
    agcChoice = window.GetRadioIndex(IDC_EDIT_AGC_SLOW);

    // The station file separates its fields with "|".
    if (name.find('|') != std::string::npos) {
        Refuse(window, IDC_EDIT_NAME, "The character \" | \" is not allowed in a station name !");
        return;
    }
    // A pasted line break would split the station's line in the file and make it unreadable.
    if (name.find_first_of("\r\n") != std::string::npos) {
        BlankLineBreaks(name);
        window.SetText(IDC_EDIT_NAME, name);
    }
    // An empty name could not be read back from the station file.
    if (name.empty()) {
        name.assign(1, ' ');
        window.SetText(IDC_EDIT_NAME, name);
    }

    // The typed decimal scaled exactly, so that 259.520 kHz is 259,520 Hz and not a hertz less.
    const int powerOfTen = displayMHz == 1 ? 6 : 3;
    ScaledDecimal hz;
    if (!ReadNumberField(window, IDC_EDIT_FREQUENCY,
                         [&hz, powerOfTen](const std::string& text, std::size_t& consumed) {
                             return ReadScaledDecimalPrefix(text, powerOfTen, hz, consumed);
                         })) {
        return;
    }
    // hz.whole is the product truncated toward zero and the lower limit is above 0, so only a
    // cut-off fraction on the upper limit itself needs a second look.
    const bool aboveMaximum =
        hz.whole > kMaximumFrequency || (hz.whole == kMaximumFrequency && hz.truncated);
    if (hz.whole < MinimumFrequency || aboveMaximum) {
        const double unit = displayMHz == 1 ? 0.000001 : 0.001;
        Refuse(window, IDC_EDIT_FREQUENCY,
               RangeMessage("Please enter a number between %7.1f and %7.1f !",
                            MinimumFrequency * unit, kMaximumFrequency * unit));
        return;
    }

    double shift = 0;
    if (!ReadNumberField(window, IDC_EDIT_PBSHIFT,
                         [&shift](const std::string& text, std::size_t& consumed) {
                             return ReadDecimalPrefix(text, shift, consumed);
                         })) {
        return;
    }
    if (!(shift >= -kPassbandShiftLimitHz && shift <= kPassbandShiftLimitHz)) {
        Refuse(window, IDC_EDIT_PBSHIFT,
               RangeMessage("Please enter a number between %5d and %5d !", -kPassbandShiftLimitHz,
                            kPassbandShiftLimitHz));
        return;
    }

    frequency = hz.whole;
    // Within int range here, so the conversion drops the fraction safely.
    passbandShift = static_cast<int>(shift);
    const int selection = window.GetListSelection(IDC_EDIT_FILTER);
    if (selection >= 0 && selection < FilterTable::kRowCount) filter = selection;
    window.EndDialog(IDOK);
}
