#pragma once

#include <deque>
#include <functional>
#include <string>
#include <vector>

#include "base/toolkit.h"

// Host with scripted answers: message boxes take the next queued answer (IDOK when none is
// queued), file dialogs the next queued path (cancel when none), modal dialogs run a handler;
// posted work waits for RunPosted.
class FakeHost : public Host {
  public:
    struct Message {
        std::string text;
        MessageButtons buttons;
        MessageIcon icon;
    };

    int MessageBox(const std::string& text, MessageButtons buttons, MessageIcon icon) override;
    void Beep() override { ++beeps; }
    bool GetSaveFileName(const FileDialogOptions& options, std::string& path) override;
    bool GetOpenFileName(const FileDialogOptions& options, std::string& path) override;
    int RunModal(DialogLogic& dialog) override;
    // Kept until RunPosted, as an event loop would keep it until the current event is done.
    void Post(std::function<void()> work) override { posted.push_back(std::move(work)); }
    // Runs the posted work, and whatever that posts, in order.
    void RunPosted();

    // Scripting.
    void QueueAnswer(int answer) { answers.push_back(answer); }
    // An empty path means "cancel".
    void QueueFile(const std::string& path) { files.push_back(path); }

    std::deque<int> answers;
    std::deque<std::string> files;
    // Runs in place of a modal dialog; returns its result. When unset, RunModal returns IDCANCEL.
    std::function<int(DialogLogic&)> modalHandler;
    // Runs while a message box is open, as messages that arrive meanwhile would; may be unset.
    std::function<void()> whileMessageOpen;
    std::deque<std::function<void()>> posted;

    std::vector<Message> messages;
    std::vector<FileDialogOptions> fileDialogs;
    std::vector<int> modalTemplates;
    int beeps = 0;

  private:
    bool NextFile(const FileDialogOptions& options, std::string& path);
};
