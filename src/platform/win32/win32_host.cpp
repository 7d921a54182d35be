#include "platform/win32/win32_host.h"

#include <algorithm>
#include <vector>

#include "base/program_texts.h"
#include "platform/win32/wide_text.h"
#include "platform/win32/win32_dialog_window.h"

namespace {

constexpr UINT kRunPosted = WM_APP + 2;
// Room for the chosen path in the file dialogs.
constexpr std::size_t kPathCapacity = 32768;

UINT MessageBoxStyle(MessageButtons buttons, MessageIcon icon) {
    UINT style = icon == MessageIcon::Question ? MB_ICONQUESTION : MB_ICONEXCLAMATION;
    switch (buttons) {
        case MessageButtons::Ok:
            return style | MB_OK;
        case MessageButtons::YesNo:
            return style | MB_YESNO;
        case MessageButtons::YesNoCancel:
            return style | MB_YESNOCANCEL;
    }
    return style | MB_OK;
}

// "Description|pattern||" as the common dialogs want it: parts separated and ended by NULs.
std::wstring DialogFilter(const std::string& filter) {
    std::wstring wide = WideFromUtf8(filter);
    std::replace(wide.begin(), wide.end(), L'|', L'\0');
    wide.push_back(L'\0');
    return wide;
}

// What one modal dialog needs in its procedure.
struct ModalContext {
    DialogLogic* logic = nullptr;
    Win32DialogWindow window;
    std::vector<HWND>* openDialogs = nullptr;
};

}  // namespace

Win32Host::Win32Host()
    : wakeUp_([this](UINT message, WPARAM, LPARAM) {
          if (message == kRunPosted) RunPosted();
      }) {}

HWND Win32Host::Owner() const {
    return openDialogs_.empty() ? parent_ : openDialogs_.back();
}

int Win32Host::MessageBox(const std::string& text, MessageButtons buttons, MessageIcon icon) {
    const int answer =
        ::MessageBoxW(Owner(), WideFromUtf8(text).c_str(), WideFromUtf8(kProgramName).c_str(),
                      MessageBoxStyle(buttons, icon));
    // IDOK, IDYES, IDNO and IDCANCEL are the toolkit's own answer values.
    return answer == 0 ? IDCANCEL : answer;
}

void Win32Host::Beep() {
    ::MessageBeep(MB_ICONEXCLAMATION);
}

bool Win32Host::GetSaveFileName(const FileDialogOptions& options, std::string& path) {
    return RunFileDialog(options, true, path);
}

bool Win32Host::GetOpenFileName(const FileDialogOptions& options, std::string& path) {
    return RunFileDialog(options, false, path);
}

bool Win32Host::RunFileDialog(const FileDialogOptions& options, bool save, std::string& path) {
    std::vector<wchar_t> file(kPathCapacity, L'\0');
    const std::wstring initial = WideFromPath(options.initialName);
    std::copy_n(initial.begin(), std::min(initial.size(), file.size() - 1), file.begin());
    const std::wstring filter = DialogFilter(options.filter);
    const std::wstring title = WideFromUtf8(options.title);
    const std::wstring extension = WideFromUtf8(options.defaultExtension);

    OPENFILENAMEW dialog{};
    dialog.lStructSize = sizeof dialog;
    dialog.hwndOwner = Owner();
    dialog.lpstrFilter = filter.c_str();
    dialog.nFilterIndex = 1;
    dialog.lpstrFile = file.data();
    dialog.nMaxFile = static_cast<DWORD>(file.size());
    dialog.lpstrTitle = title.empty() ? nullptr : title.c_str();
    dialog.lpstrDefExt = extension.empty() ? nullptr : extension.c_str();
    dialog.Flags = OFN_PATHMUSTEXIST | OFN_NOCHANGEDIR | OFN_EXPLORER;
    if (options.hideReadOnly) dialog.Flags |= OFN_HIDEREADONLY;
    if (save && options.overwritePrompt) dialog.Flags |= OFN_OVERWRITEPROMPT;
    if (!save) dialog.Flags |= OFN_FILEMUSTEXIST;
    const BOOL chosen = save ? ::GetSaveFileNameW(&dialog) : ::GetOpenFileNameW(&dialog);
    if (!chosen) return false;
    path = PathFromWide(file.data());
    return true;
}

int Win32Host::RunModal(DialogLogic& logic) {
    ModalContext context;
    context.logic = &logic;
    context.window.SetSelectTextOnFocus(true);
    context.openDialogs = &openDialogs_;
    const INT_PTR result =
        ::DialogBoxParamW(::GetModuleHandleW(nullptr), MAKEINTRESOURCEW(logic.TemplateId()),
                          Owner(), &Win32Host::ModalProcedure, reinterpret_cast<LPARAM>(&context));
    return result <= 0 ? IDCANCEL : static_cast<int>(result);
}

INT_PTR CALLBACK Win32Host::ModalProcedure(HWND dialog, UINT message, WPARAM wParam,
                                           LPARAM lParam) {
    if (message == WM_INITDIALOG) {
        ::SetWindowLongPtrW(dialog, DWLP_USER, lParam);
    }
    auto* context = reinterpret_cast<ModalContext*>(::GetWindowLongPtrW(dialog, DWLP_USER));
    if (context == nullptr) return FALSE;
    switch (message) {
        case WM_INITDIALOG: {
            context->window.Attach(dialog);
            context->openDialogs->push_back(dialog);
            HWND before = ::GetFocus();
            context->logic->OnInitDialog(context->window);
            // TRUE lets the dialog manager focus the first tab stop, unless the logic chose.
            return ::GetFocus() == before ? TRUE : FALSE;
        }
        case WM_COMMAND:
            // Clicks, and Enter or Escape as the dialog manager turns them into IDOK/IDCANCEL.
            if (HIWORD(wParam) == BN_CLICKED) {
                context->logic->OnCommand(context->window, LOWORD(wParam));
                return TRUE;
            }
            return FALSE;
        case WM_CLOSE:
            context->logic->OnCommand(context->window, IDCANCEL);
            return TRUE;
        case WM_DESTROY: {
            auto& open = *context->openDialogs;
            open.erase(std::remove(open.begin(), open.end(), dialog), open.end());
            return FALSE;
        }
        default:
            return FALSE;
    }
}

void Win32Host::Post(std::function<void()> work) {
    {
        std::lock_guard<std::mutex> lock(postedLock_);
        posted_.push_back(std::move(work));
    }
    ::PostMessageW(wakeUp_.Handle(), kRunPosted, 0, 0);
}

void Win32Host::RunPosted() {
    // Only what was queued when the message came: work that posts more runs on the next turn.
    std::deque<std::function<void()>> batch;
    {
        std::lock_guard<std::mutex> lock(postedLock_);
        batch.swap(posted_);
    }
    for (auto& work : batch) work();
}
