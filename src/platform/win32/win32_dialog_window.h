#pragma once

#include <string>

#include "base/toolkit.h"
#include "platform/win32/win32_api.h"

// The toolkit's dialog window over a Win32 dialog made from a resource template: controls by
// their dialog ids, radio groups as the dialog manager knows them (from the button with
// WS_GROUP to the next control with WS_GROUP, in template order). Surface is the interface
// served: DialogWindow for the modal dialogs, MainWindowSurface for the main window. Calls on
// an id the template lacks do nothing and read as empty.
template <class Surface>
class Win32DialogWindowBase : public Surface {
  public:
    void Attach(HWND dialog) { dialog_ = dialog; }
    HWND Handle() const { return dialog_; }
    // Focus moved into an edit by SetFocus selects its text, as a dialog does for a field it
    // sends the user back to.
    void SetSelectTextOnFocus(bool on) { selectTextOnFocus_ = on; }

    int GetCheck(int id) override;
    void SetCheck(int id, int state) override;
    int GetRadioIndex(int firstId) override;
    void SetRadioIndex(int firstId, int index) override;
    void SetupSlider(int id, int minimum, int maximum, int tickEvery, int lineSize,
                     int pageSize) override;
    int GetSliderPosition(int id) override;
    void SetSliderPosition(int id, int position) override;
    std::string GetText(int id) override;
    void SetText(int id, const std::string& text) override;
    void AddListItem(int id, const std::string& text) override;
    int GetListSelection(int id) override;
    void SetListSelection(int id, int index) override;
    void SetFocus(int id) override;
    int GetFocus() override;
    void SetTitle(const std::string& title) override;
    void EndDialog(int result) override;

  protected:
    HWND Item(int id) const { return dialog_ == nullptr ? nullptr : ::GetDlgItem(dialog_, id); }

  private:
    HWND dialog_ = nullptr;
    bool selectTextOnFocus_ = false;
};

using Win32DialogWindow = Win32DialogWindowBase<DialogWindow>;

// The text of any window, UTF-8.
std::string WindowText(HWND window);
