#include "platform/win32/win32_dialog_window.h"

#include <vector>

#include "platform/win32/wide_text.h"
#include "ui/main_window_surface.h"

namespace {

bool IsRadioButton(HWND control) {
    const LONG_PTR type = ::GetWindowLongPtrW(control, GWL_STYLE) & BS_TYPEMASK;
    return type == BS_RADIOBUTTON || type == BS_AUTORADIOBUTTON;
}

bool StartsGroup(HWND control) {
    return (::GetWindowLongPtrW(control, GWL_STYLE) & WS_GROUP) != 0;
}

// The radio buttons of the group that begins with first, in template order.
std::vector<HWND> RadioGroup(HWND first) {
    std::vector<HWND> buttons;
    for (HWND control = first; control != nullptr; control = ::GetWindow(control, GW_HWNDNEXT)) {
        if (control != first && StartsGroup(control)) break;
        if (IsRadioButton(control)) buttons.push_back(control);
    }
    return buttons;
}

}  // namespace

std::string WindowText(HWND window) {
    const int length = ::GetWindowTextLengthW(window);
    if (length <= 0) return {};
    std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
    const int copied = ::GetWindowTextW(window, text.data(), length + 1);
    text.resize(static_cast<std::size_t>(copied > 0 ? copied : 0));
    return Utf8FromWide(text);
}

template <class Surface>
int Win32DialogWindowBase<Surface>::GetCheck(int id) {
    HWND button = Item(id);
    return button != nullptr && ::SendMessageW(button, BM_GETCHECK, 0, 0) == BST_CHECKED ? 1 : 0;
}

template <class Surface>
void Win32DialogWindowBase<Surface>::SetCheck(int id, int state) {
    if (HWND button = Item(id)) {
        ::SendMessageW(button, BM_SETCHECK, state != 0 ? BST_CHECKED : BST_UNCHECKED, 0);
    }
}

template <class Surface>
int Win32DialogWindowBase<Surface>::GetRadioIndex(int firstId) {
    const std::vector<HWND> buttons = RadioGroup(Item(firstId));
    for (std::size_t i = 0; i < buttons.size(); ++i) {
        if (::SendMessageW(buttons[i], BM_GETCHECK, 0, 0) == BST_CHECKED) {
            return static_cast<int>(i);
        }
    }
    return -1;
}

template <class Surface>
void Win32DialogWindowBase<Surface>::SetRadioIndex(int firstId, int index) {
    const std::vector<HWND> buttons = RadioGroup(Item(firstId));
    for (std::size_t i = 0; i < buttons.size(); ++i) {
        const bool checked = static_cast<int>(i) == index;
        ::SendMessageW(buttons[i], BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
    }
}

template <class Surface>
void Win32DialogWindowBase<Surface>::SetupSlider(int id, int minimum, int maximum, int tickEvery,
                                                 int lineSize, int pageSize) {
    HWND slider = Item(id);
    if (slider == nullptr) return;
    ::SendMessageW(slider, TBM_SETRANGEMIN, FALSE, minimum);
    ::SendMessageW(slider, TBM_SETRANGEMAX, TRUE, maximum);
    ::SendMessageW(slider, TBM_SETTICFREQ, static_cast<WPARAM>(tickEvery), 0);
    ::SendMessageW(slider, TBM_SETLINESIZE, 0, lineSize);
    ::SendMessageW(slider, TBM_SETPAGESIZE, 0, pageSize);
}

template <class Surface>
int Win32DialogWindowBase<Surface>::GetSliderPosition(int id) {
    HWND slider = Item(id);
    return slider == nullptr ? 0 : static_cast<int>(::SendMessageW(slider, TBM_GETPOS, 0, 0));
}

template <class Surface>
void Win32DialogWindowBase<Surface>::SetSliderPosition(int id, int position) {
    if (HWND slider = Item(id)) ::SendMessageW(slider, TBM_SETPOS, TRUE, position);
}

template <class Surface>
std::string Win32DialogWindowBase<Surface>::GetText(int id) {
    HWND control = Item(id);
    return control == nullptr ? std::string() : WindowText(control);
}

template <class Surface>
void Win32DialogWindowBase<Surface>::SetText(int id, const std::string& text) {
    if (HWND control = Item(id)) ::SetWindowTextW(control, WideFromUtf8(text).c_str());
}

template <class Surface>
void Win32DialogWindowBase<Surface>::AddListItem(int id, const std::string& text) {
    if (HWND list = Item(id)) {
        ::SendMessageW(list, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(WideFromUtf8(text).c_str()));
    }
}

template <class Surface>
int Win32DialogWindowBase<Surface>::GetListSelection(int id) {
    HWND list = Item(id);
    if (list == nullptr) return -1;
    const LRESULT selection = ::SendMessageW(list, CB_GETCURSEL, 0, 0);
    return selection == CB_ERR ? -1 : static_cast<int>(selection);
}

template <class Surface>
void Win32DialogWindowBase<Surface>::SetListSelection(int id, int index) {
    if (HWND list = Item(id)) ::SendMessageW(list, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
}

template <class Surface>
void Win32DialogWindowBase<Surface>::SetFocus(int id) {
    HWND control = Item(id);
    if (control == nullptr) return;
    if (selectTextOnFocus_) {
        // Through the dialog manager: it moves the default button along and selects an edit's
        // text.
        ::SendMessageW(dialog_, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(control), TRUE);
    } else {
        ::SetFocus(control);
    }
}

template <class Surface>
int Win32DialogWindowBase<Surface>::GetFocus() {
    HWND focus = ::GetFocus();
    if (focus == nullptr || dialog_ == nullptr || !::IsChild(dialog_, focus)) return 0;
    // The edit inside a drop-down list counts as the list.
    while (focus != nullptr && ::GetParent(focus) != dialog_) focus = ::GetParent(focus);
    return focus == nullptr ? 0 : ::GetDlgCtrlID(focus);
}

template <class Surface>
void Win32DialogWindowBase<Surface>::SetTitle(const std::string& title) {
    if (dialog_ != nullptr) ::SetWindowTextW(dialog_, WideFromUtf8(title).c_str());
}

template <class Surface>
void Win32DialogWindowBase<Surface>::EndDialog(int result) {
    if (dialog_ != nullptr) ::EndDialog(dialog_, result);
}

template class Win32DialogWindowBase<DialogWindow>;
template class Win32DialogWindowBase<MainWindowSurface>;
