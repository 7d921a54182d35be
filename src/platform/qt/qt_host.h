#pragma once

#include <QPointer>
#include <QWidget>

#include "base/toolkit.h"

// The program's host services on Qt: message boxes captioned "ZORIVAN", the beep, the file
// dialogs, and modal dialogs built from their templates. Windows it opens sit over the parent
// window once one is set (the main window); before that they stand alone.
class QtHost : public Host {
  public:
    QtHost() = default;

    void SetParentWindow(QWidget* parent) { parent_ = parent; }
    QWidget* ParentWindow() const { return parent_; }

    int MessageBox(const std::string& text, MessageButtons buttons, MessageIcon icon) override;
    void Beep() override;
    bool GetSaveFileName(const FileDialogOptions& options, std::string& path) override;
    bool GetOpenFileName(const FileDialogOptions& options, std::string& path) override;
    // IDCANCEL for a template it cannot build.
    int RunModal(DialogLogic& dialog) override;
    void Post(std::function<void()> work) override;

  private:
    QWidget* Owner() const;
    bool RunFileDialog(const FileDialogOptions& options, bool save, std::string& path);

    QPointer<QWidget> parent_;
};
