#include "support/fake_host.h"

int FakeHost::MessageBox(const std::string& text, MessageButtons buttons, MessageIcon icon) {
    messages.push_back({text, buttons, icon});
    if (whileMessageOpen) whileMessageOpen();
    if (answers.empty()) return IDOK;
    const int answer = answers.front();
    answers.pop_front();
    return answer;
}

bool FakeHost::NextFile(const FileDialogOptions& options, std::string& path) {
    fileDialogs.push_back(options);
    if (files.empty()) return false;
    std::string next = files.front();
    files.pop_front();
    if (next.empty()) return false;
    path = next;
    return true;
}

bool FakeHost::GetSaveFileName(const FileDialogOptions& options, std::string& path) {
    return NextFile(options, path);
}

bool FakeHost::GetOpenFileName(const FileDialogOptions& options, std::string& path) {
    return NextFile(options, path);
}

int FakeHost::RunModal(DialogLogic& dialog) {
    modalTemplates.push_back(dialog.TemplateId());
    return modalHandler ? modalHandler(dialog) : IDCANCEL;
}

void FakeHost::RunPosted() {
    while (!posted.empty()) {
        const std::function<void()> work = std::move(posted.front());
        posted.pop_front();
        work();
    }
}
