#include "platform/win32/win32_main_window.h"

#include <algorithm>
#include <unordered_map>
#include <vector>

#include "platform/win32/wide_text.h"
#include "ui/main_dialog.h"

namespace {

constexpr int kWheelNotch = WHEEL_DELTA;
constexpr int kIconId = 103;
// Keys of the dialog itself, never one-key commands: Escape, Enter, Tab.
constexpr WPARAM kDialogKeys[] = {0x1B, 0x0D, 0x09};

ScrollCode ScrollCodeOf(int code) {
    switch (code) {
        case TB_LINEUP:
            return ScrollCode::LineUp;
        case TB_LINEDOWN:
            return ScrollCode::LineDown;
        case TB_PAGEUP:
            return ScrollCode::PageUp;
        case TB_PAGEDOWN:
            return ScrollCode::PageDown;
        case TB_THUMBPOSITION:
            return ScrollCode::ThumbPosition;
        case TB_THUMBTRACK:
            return ScrollCode::ThumbTrack;
        case TB_TOP:
            return ScrollCode::Top;
        case TB_BOTTOM:
            return ScrollCode::Bottom;
        default:
            return ScrollCode::EndScroll;
    }
}

void AddAboutEntry(HWND window) {
    HMENU menu = ::GetSystemMenu(window, FALSE);
    if (menu == nullptr) return;
    ::DeleteMenu(menu, SC_SIZE, MF_BYCOMMAND);
    ::DeleteMenu(menu, SC_MAXIMIZE, MF_BYCOMMAND);
    wchar_t text[128] = {};
    if (::LoadStringW(::GetModuleHandleW(nullptr), IDS_ABOUTBOX, text, 128) > 0) {
        ::AppendMenuW(menu, MF_SEPARATOR, 0, nullptr);
        ::AppendMenuW(menu, MF_STRING, IDM_ABOUTBOX, text);
    }
}

void SetIcons(HWND window) {
    HINSTANCE instance = ::GetModuleHandleW(nullptr);
    auto load = [instance](int size) {
        return ::LoadImageW(instance, MAKEINTRESOURCEW(kIconId), IMAGE_ICON, size, size, 0);
    };
    ::SendMessageW(window, WM_SETICON, ICON_BIG,
                   reinterpret_cast<LPARAM>(load(::GetSystemMetrics(SM_CXICON))));
    ::SendMessageW(window, WM_SETICON, ICON_SMALL,
                   reinterpret_cast<LPARAM>(load(::GetSystemMetrics(SM_CXSMICON))));
}

// Rows compared by their places in the new order, found through their data values.
int CALLBACK CompareByNewPlace(LPARAM first, LPARAM second, LPARAM places) {
    const auto& place = *reinterpret_cast<const std::unordered_map<LPARAM, int>*>(places);
    return place.at(first) - place.at(second);
}

}  // namespace

Win32MainWindow::~Win32MainWindow() {
    if (Handle() != nullptr) ::DestroyWindow(Handle());
}

bool Win32MainWindow::Create() {
    HWND window =
        ::CreateDialogParamW(::GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDD_MAIN_DIALOG),
                             nullptr, &Win32MainWindow::Procedure, reinterpret_cast<LPARAM>(this));
    return window != nullptr;
}

void Win32MainWindow::Show() {
    if (dialog_ != nullptr) dialog_->PlaceWindow();
    ::ShowWindow(Handle(), SW_SHOW);
    ::UpdateWindow(Handle());
}

void Win32MainWindow::RunMessageLoop() {
    MSG message{};
    while (!ended_ && ::GetMessageW(&message, nullptr, 0, 0) > 0) {
        if (PreTranslate(message)) continue;
        if (::IsDialogMessageW(Handle(), &message)) continue;
        ::TranslateMessage(&message);
        ::DispatchMessageW(&message);
    }
}

bool Win32MainWindow::PreTranslate(MSG& message) {
    if (dialog_ == nullptr || ended_) return false;
    if (message.hwnd != Handle() && !::IsChild(Handle(), message.hwnd)) return false;
    if (message.message == WM_KEYDOWN && message.wParam == VK_F1) {
        // The About entry's key, as on the other host.
        dialog_->OnAbout();
        return true;
    }
    if (message.message != WM_CHAR) return false;
    if (std::find(std::begin(kDialogKeys), std::end(kDialogKeys), message.wParam) !=
        std::end(kDialogKeys)) {
        return false;
    }
    if (dialog_->OnCharacter(static_cast<int>(message.wParam))) return true;
    HWND focus = ::GetFocus();
    if (focus != nullptr && focus != message.hwnd && ::IsChild(Handle(), focus)) {
        message.hwnd = focus;
    }
    return false;
}

INT_PTR CALLBACK Win32MainWindow::Procedure(HWND window, UINT message, WPARAM wParam,
                                            LPARAM lParam) {
    if (message == WM_INITDIALOG) {
        ::SetWindowLongPtrW(window, DWLP_USER, lParam);
        auto* self = reinterpret_cast<Win32MainWindow*>(lParam);
        self->Attach(window);
        AddAboutEntry(window);
        SetIcons(window);
        HWND list = ::GetDlgItem(window, IDC_STATION_LIST);
        ListView_SetExtendedListViewStyleEx(list, LVS_EX_FULLROWSELECT, LVS_EX_FULLROWSELECT);
        for (int id : {IDC_UP, IDC_DOWN}) {
            ::SetWindowSubclass(::GetDlgItem(window, id), &Win32MainWindow::RepeatButtonProcedure,
                                static_cast<UINT_PTR>(id), reinterpret_cast<DWORD_PTR>(self));
        }
        return TRUE;
    }
    auto* self = reinterpret_cast<Win32MainWindow*>(::GetWindowLongPtrW(window, DWLP_USER));
    return self == nullptr ? FALSE : self->OnMessage(message, wParam, lParam);
}

INT_PTR Win32MainWindow::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_COMMAND: {
            const int id = LOWORD(wParam);
            if (HIWORD(wParam) != BN_CLICKED || dialog_ == nullptr) return FALSE;
            if (id == IDCANCEL) {
                RequestExit();
            } else if (id != IDC_UP && id != IDC_DOWN) {
                // IDOK comes from Enter only when no button is the default; the "Enter" button is.
                dialog_->OnCommand(id == IDOK ? IDC_ENTER : id);
            }
            return TRUE;
        }
        case WM_CLOSE:
            RequestExit();
            return TRUE;
        case WM_SYSCOMMAND:
            if ((wParam & 0xFFF0) == IDM_ABOUTBOX && dialog_ != nullptr) {
                dialog_->OnAbout();
                return TRUE;
            }
            return FALSE;
        case WM_HSCROLL:
            if (lParam != 0) OnScroll(reinterpret_cast<HWND>(lParam), LOWORD(wParam));
            return FALSE;
        case WM_MOUSEWHEEL:
            OnWheel(GET_WHEEL_DELTA_WPARAM(wParam));
            return TRUE;
        case WM_NOTIFY:
            return OnNotify(*reinterpret_cast<const NMHDR*>(lParam)) ? TRUE : FALSE;
        case WM_DRAWITEM:
            return OnDrawItem(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam)) ? TRUE : FALSE;
        case WM_COPYDATA: {
            if (!acceptCopyData_ || dialog_ == nullptr || lParam == 0) return FALSE;
            const auto& record = *reinterpret_cast<const COPYDATASTRUCT*>(lParam);
            const int result =
                dialog_->OnCopyData(static_cast<std::uint32_t>(record.dwData),
                                    static_cast<const std::uint8_t*>(record.lpData), record.cbData);
            // A dialog procedure's own return value only says "handled".
            ::SetWindowLongPtrW(Handle(), DWLP_MSGRESULT, result);
            return TRUE;
        }
        default:
            return FALSE;
    }
}

LRESULT CALLBACK Win32MainWindow::RepeatButtonProcedure(HWND button, UINT message, WPARAM wParam,
                                                        LPARAM lParam, UINT_PTR id,
                                                        DWORD_PTR self) {
    // The step buttons act on press and release, not on the click: held, they repeat.
    CMainDialog* dialog = reinterpret_cast<Win32MainWindow*>(self)->dialog_;
    if (dialog != nullptr) {
        const bool space = message != WM_LBUTTONDOWN && message != WM_LBUTTONDBLCLK &&
                           message != WM_LBUTTONUP && wParam == VK_SPACE &&
                           (lParam & (1L << 30)) == 0;  // not an auto-repeat
        if (message == WM_LBUTTONDOWN || message == WM_LBUTTONDBLCLK ||
            (message == WM_KEYDOWN && space)) {
            dialog->OnRepeatButton(-1, static_cast<int>(id));
        } else if (message == WM_LBUTTONUP || (message == WM_KEYUP && wParam == VK_SPACE)) {
            dialog->OnRepeatButton(1, static_cast<int>(id));
        }
    }
    if (message == WM_NCDESTROY) {
        ::RemoveWindowSubclass(button, &Win32MainWindow::RepeatButtonProcedure, id);
    }
    return ::DefSubclassProc(button, message, wParam, lParam);
}

void Win32MainWindow::RequestExit() {
    if (!ended_ && dialog_ != nullptr && dialog_->OnCancel()) EndDialog(IDCANCEL);
}

void Win32MainWindow::EndDialog(int) {
    if (ended_) return;
    ended_ = true;
    ::ShowWindow(Handle(), SW_HIDE);
    // Wakes the message loop so that it sees the end.
    ::PostMessageW(Handle(), WM_NULL, 0, 0);
}

void Win32MainWindow::OnScroll(HWND slider, int code) {
    if (dialog_ != nullptr) dialog_->OnSliderScroll(::GetDlgCtrlID(slider), ScrollCodeOf(code));
}

void Win32MainWindow::OnWheel(int delta) {
    if (dialog_ == nullptr) return;
    if ((delta > 0) != (wheelRemainder_ > 0)) wheelRemainder_ = 0;  // a turn back starts afresh
    wheelRemainder_ += delta;
    // One call per notch; fine-grained wheels add up to a notch first.
    while (wheelRemainder_ >= kWheelNotch || wheelRemainder_ <= -kWheelNotch) {
        const int notch = wheelRemainder_ > 0 ? kWheelNotch : -kWheelNotch;
        wheelRemainder_ -= notch;
        dialog_->OnMouseWheel(notch);
    }
}

bool Win32MainWindow::OnNotify(const NMHDR& header) {
    if (dialog_ == nullptr || header.idFrom != IDC_STATION_LIST) return false;
    if (header.code == LVN_COLUMNCLICK) {
        dialog_->OnHeaderClick(reinterpret_cast<const NMLISTVIEW&>(header).iSubItem);
        return true;
    }
    if (header.code == NM_DBLCLK) {
        dialog_->OnListDoubleClick();
        return true;
    }
    return false;
}

bool Win32MainWindow::OnDrawItem(const DRAWITEMSTRUCT& item) {
    switch (item.CtlID) {
        case IDC_FREQUENCY_DISPLAY:
            painter_.PaintReadout(item.hDC, item.rcItem, frequencyText_);
            return true;
        case IDC_SIGNAL_METER:
            painter_.PaintMeter(item.hDC, item.rcItem, meterCurrentDb_, meterAverageDb_);
            return true;
        case IDC_SQUELCH_LAMP:
            painter_.PaintLamp(item.hDC, item.rcItem, lampState_);
            return true;
        default:
            return false;
    }
}

void Win32MainWindow::Redraw(int id) {
    // Invalidate, erase and paint now, so the display shows the value before the next command.
    if (HWND control = Item(id))
        ::RedrawWindow(control, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
}

void Win32MainWindow::ShowFrequencyText(const std::string& text) {
    frequencyText_ = WideFromUtf8(text);
    Redraw(IDC_FREQUENCY_DISPLAY);
}

void Win32MainWindow::ShowSignalMeter(int currentDb, int averageDb) {
    meterCurrentDb_ = currentDb;
    meterAverageDb_ = averageDb;
    Redraw(IDC_SIGNAL_METER);
}

void Win32MainWindow::ShowSquelchLamp(int state) {
    lampState_ = state;
    Redraw(IDC_SQUELCH_LAMP);
}

bool Win32MainWindow::GetWindowPlacement(WindowPlacement& placement) {
    WINDOWPLACEMENT record{};
    record.length = sizeof record;
    if (Handle() == nullptr || !::GetWindowPlacement(Handle(), &record)) return false;
    placement.length = static_cast<int>(record.length);
    placement.flags = record.flags;
    placement.showCmd = record.showCmd;
    placement.minX = record.ptMinPosition.x;
    placement.minY = record.ptMinPosition.y;
    placement.maxX = record.ptMaxPosition.x;
    placement.maxY = record.ptMaxPosition.y;
    placement.left = record.rcNormalPosition.left;
    placement.top = record.rcNormalPosition.top;
    placement.right = record.rcNormalPosition.right;
    placement.bottom = record.rcNormalPosition.bottom;
    return true;
}

void Win32MainWindow::MoveWindowTo(int left, int top) {
    // A corner stored on a monitor that has since gone would hide the window: bring it back to
    // the nearest point of the primary monitor's work area.
    POINT corner{left, top};
    if (::MonitorFromPoint(corner, MONITOR_DEFAULTTONULL) == nullptr) {
        RECT work{};
        ::SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
        corner.x = std::clamp(left, static_cast<int>(work.left), static_cast<int>(work.right) - 1);
        corner.y = std::clamp(top, static_cast<int>(work.top), static_cast<int>(work.bottom) - 1);
    }
    ::SetWindowPos(Handle(), nullptr, corner.x, corner.y, 0, 0,
                   SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

int Win32MainWindow::ListClientWidth() {
    RECT client{};
    ::GetClientRect(List(), &client);
    return client.right - client.left;
}

void Win32MainWindow::SetupListColumns(int frequencyWidth, int stationWidth) {
    HWND list = List();
    while (ListView_DeleteColumn(list, 0)) {
    }
    LVCOLUMNW column{};
    column.mask = LVCF_FMT | LVCF_WIDTH | LVCF_TEXT | LVCF_SUBITEM;
    wchar_t frequency[] = L"Frequency";
    column.fmt = LVCFMT_RIGHT;
    column.cx = frequencyWidth;
    column.pszText = frequency;
    column.iSubItem = 0;
    ListView_InsertColumn(list, 0, &column);
    wchar_t station[] = L"Station";
    column.fmt = LVCFMT_LEFT;
    column.cx = stationWidth;
    column.pszText = station;
    column.iSubItem = 1;
    ListView_InsertColumn(list, 1, &column);
}

void Win32MainWindow::FocusStationList() {
    ::SetFocus(List());
}

int Win32MainWindow::RowCount() {
    return ListView_GetItemCount(List());
}

void Win32MainWindow::InsertRow(int row, const std::string& frequencyText, const std::string& name,
                                StationNode node) {
    std::wstring frequency = WideFromUtf8(frequencyText);
    std::wstring station = WideFromUtf8(name);
    LVITEMW item{};
    item.mask = LVIF_TEXT | LVIF_PARAM;
    item.iItem = std::clamp(row, 0, RowCount());
    item.pszText = frequency.data();
    item.lParam = static_cast<LPARAM>(static_cast<std::uintptr_t>(node));
    const int inserted = ListView_InsertItem(List(), &item);
    if (inserted >= 0) ListView_SetItemText(List(), inserted, 1, station.data());
}

void Win32MainWindow::SetRowText(int row, int column, const std::string& text) {
    if (row < 0 || row >= RowCount()) return;
    std::wstring wide = WideFromUtf8(text);
    ListView_SetItemText(List(), row, column, wide.data());
}

std::string Win32MainWindow::GetRowText(int row, int column) {
    if (row < 0 || row >= RowCount()) return {};
    // The view copies at most the buffer; grow it until the whole text fits.
    for (std::size_t size = 256;; size *= 2) {
        std::wstring buffer(size, L'\0');
        LVITEMW item{};
        item.iSubItem = column;
        item.pszText = buffer.data();
        item.cchTextMax = static_cast<int>(size);
        const auto length = static_cast<std::size_t>(::SendMessageW(
            List(), LVM_GETITEMTEXTW, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item)));
        if (length + 1 < size) {
            buffer.resize(length);
            return Utf8FromWide(buffer);
        }
    }
}

StationNode Win32MainWindow::GetRowData(int row) {
    LVITEMW item{};
    item.mask = LVIF_PARAM;
    item.iItem = row;
    if (row < 0 || !ListView_GetItem(List(), &item)) return kNoStation;
    return static_cast<StationNode>(static_cast<std::uintptr_t>(item.lParam));
}

int Win32MainWindow::FindRow(StationNode node) {
    LVFINDINFOW find{};
    find.flags = LVFI_PARAM;
    find.lParam = static_cast<LPARAM>(static_cast<std::uintptr_t>(node));
    return ListView_FindItem(List(), -1, &find);
}

void Win32MainWindow::DeleteRow(int row) {
    if (row >= 0 && row < RowCount()) ListView_DeleteItem(List(), row);
}

void Win32MainWindow::DeleteAllRows() {
    ListView_DeleteAllItems(List());
}

int Win32MainWindow::GetSelectedRow() {
    return ListView_GetNextItem(List(), -1, LVNI_SELECTED);
}

void Win32MainWindow::SelectRow(int row) {
    if (row < 0 || row >= RowCount()) return;
    ListView_SetItemState(List(), -1, 0, LVIS_SELECTED | LVIS_FOCUSED);
    ListView_SetItemState(List(), row, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
    ListView_EnsureVisible(List(), row, FALSE);
}

void Win32MainWindow::ReorderRows(const std::vector<int>& newOrder) {
    const int count = RowCount();
    if (static_cast<int>(newOrder.size()) != count) return;
    std::vector<int> check = newOrder;
    std::sort(check.begin(), check.end());
    for (int i = 0; i < count; ++i) {
        if (check[i] != i) return;  // not a permutation of the rows
    }
    // The view sorts in place by item data, keeping selection and focus with their rows.
    std::unordered_map<LPARAM, int> place;
    for (int i = 0; i < count; ++i) {
        LVITEMW item{};
        item.mask = LVIF_PARAM;
        item.iItem = newOrder[static_cast<std::size_t>(i)];
        ListView_GetItem(List(), &item);
        place[item.lParam] = i;
    }
    if (static_cast<int>(place.size()) != count) return;  // two rows with one station
    ListView_SortItems(List(), &CompareByNewPlace, reinterpret_cast<LPARAM>(&place));
}
