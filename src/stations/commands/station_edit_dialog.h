#pragma once

#include <cstddef>
#include <functional>
#include <string>

#include "base/toolkit.h"

// The Station dialog (template 111) of "Add", "Upd" and "Edit". The caller sets the members,
// runs it, and on IDOK reads them back; OK refuses to close until every field is acceptable.
class CStationEditDialog : public DialogLogic {
  public:
    // host is not owned.
    explicit CStationEditDialog(Host& host) : host_(host) {}

    int TemplateId() const override { return IDD_STATION_EDIT; }
    void OnInitDialog(DialogWindow& window) override;
    void OnCommand(DialogWindow& window, int id) override;

    std::string name;
    int agcChoice = -1;     // 0 slow .. 2 fast, AgcIndexOf(agc)
    int modeChoice = -1;    // 0 AM, 1 USB, 2 LSB, 3 CW
    int displayMHz = 1;     // unit of the frequency field: 1 MHz, 0 kHz
    int frequency = 0;      // Hz
    int passbandShift = 0;  // Hz
    int filter = 0;         // FilterTable row = position in the filter box

  private:
    void OnOk(DialogWindow& window);
    // Reads the field's text (its first 127 characters, trailing blanks removed) with
    // read(text, consumed); an empty text is not read, so the value stays as it was. False (after
    // the message, with the focus there) when characters are left over.
    bool ReadNumberField(DialogWindow& window, int id,
                         const std::function<bool(const std::string&, std::size_t&)>& read);
    void Refuse(DialogWindow& window, int id, const std::string& message);

    Host& host_;
};
