#include "platform/qt/qt_host.h"

#include <QApplication>
#include <QDialog>
#include <QFile>
#include <QFileDialog>
#include <QMessageBox>
#include <functional>

#include "base/program_texts.h"
#include "platform/qt/dialog_templates.h"
#include "platform/qt/file_dialog_filter.h"
#include "platform/qt/qt_dialog_window.h"

namespace {

// A dialog whose Escape key and close box are the logic's Cancel command: the logic decides
// whether and how the dialog ends.
class ModalDialog : public QDialog {
  public:
    using QDialog::QDialog;
    std::function<void()> onCancel;

    void reject() override {
        if (onCancel) {
            onCancel();
        } else {
            QDialog::reject();
        }
    }
};

int AnswerId(QMessageBox::StandardButton button) {
    switch (button) {
        case QMessageBox::Yes:
            return IDYES;
        case QMessageBox::No:
            return IDNO;
        case QMessageBox::Cancel:
            return IDCANCEL;
        default:
            return IDOK;
    }
}

}  // namespace

int QtHost::MessageBox(const std::string& text, MessageButtons buttons, MessageIcon icon) {
    QMessageBox box(icon == MessageIcon::Question ? QMessageBox::Question : QMessageBox::Warning,
                    QString::fromUtf8(kProgramName), QString::fromStdString(text),
                    QMessageBox::NoButton, Owner());
    box.setTextFormat(Qt::PlainText);
    switch (buttons) {
        case MessageButtons::Ok:
            box.setStandardButtons(QMessageBox::Ok);
            box.setDefaultButton(QMessageBox::Ok);
            box.setEscapeButton(QMessageBox::Ok);
            break;
        case MessageButtons::YesNo:
            box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
            box.setDefaultButton(QMessageBox::Yes);
            box.setEscapeButton(QMessageBox::No);
            break;
        case MessageButtons::YesNoCancel:
            box.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
            box.setDefaultButton(QMessageBox::Yes);
            box.setEscapeButton(QMessageBox::Cancel);
            break;
    }
    box.exec();
    return AnswerId(box.standardButton(box.clickedButton()));
}

QWidget* QtHost::Owner() const {
    // Over the dialog that asks, when one is open, rather than behind it.
    if (QWidget* modal = QApplication::activeModalWidget()) {
        return modal;
    }
    return parent_;
}

void QtHost::Beep() {
    QApplication::beep();
}

bool QtHost::GetSaveFileName(const FileDialogOptions& options, std::string& path) {
    return RunFileDialog(options, true, path);
}

bool QtHost::GetOpenFileName(const FileDialogOptions& options, std::string& path) {
    return RunFileDialog(options, false, path);
}

bool QtHost::RunFileDialog(const FileDialogOptions& options, bool save, std::string& path) {
    QFileDialog dialog(Owner(), QString::fromStdString(options.title));
    dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    dialog.setNameFilters(QtNameFilters(options.filter));
    dialog.setDefaultSuffix(QString::fromStdString(options.defaultExtension));
    dialog.setOption(QFileDialog::DontConfirmOverwrite, !options.overwritePrompt);
    if (!options.initialName.empty()) {
        dialog.selectFile(QFile::decodeName(options.initialName.c_str()));
    }
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return false;
    }
    // Paths go to the core in the file system's own encoding.
    path = QFile::encodeName(dialog.selectedFiles().constFirst()).toStdString();
    return true;
}

int QtHost::RunModal(DialogLogic& logic) {
    ModalDialog dialog(Owner());
    QtDialogWindow window(dialog);
    if (!BuildDialogTemplate(logic.TemplateId(), dialog, window)) {
        return IDCANCEL;
    }
    window.SetSelectTextOnFocus(true);
    window.ForwardClicks([&logic, &window](int id) { logic.OnCommand(window, id); });
    dialog.onCancel = [&logic, &window] { logic.OnCommand(window, IDCANCEL); };
    logic.OnInitDialog(window);
    return dialog.exec();
}

void QtHost::Post(std::function<void()> work) {
    QMetaObject::invokeMethod(QCoreApplication::instance(), std::move(work), Qt::QueuedConnection);
}
