#include "stations/commands/station_file_dialog.h"

#include <utility>

#include "controller/receiver_controller.h"

namespace {

constexpr const char* kSaveQuestion =
    "The current station file has been modfified.\nDo you want to save it ?";

FileDialogOptions StationFileOptions(const char* title, const char* initialName,
                                     bool overwritePrompt) {
    FileDialogOptions options;
    options.title = title;
    options.initialName = initialName;
    options.defaultExtension = "tts";
    options.filter = "Station Files (*.tts)|*.tts||";
    options.overwritePrompt = overwritePrompt;
    options.hideReadOnly = true;
    return options;
}

// The save dialog; initialName "Stationfile.tts" when saving a list that has no file yet.
bool AskSavePath(Host& host, const char* initialName, std::string& path) {
    return host.GetSaveFileName(StationFileOptions("ZORIVAN Save Station File", initialName, true),
                                path);
}

bool AskOpenPath(Host& host, std::string& path) {
    return host.GetOpenFileName(StationFileOptions("ZORIVAN Open Station File", "", false), path);
}

bool UserWantsToSave(Host& host) {
    return host.MessageBox(kSaveQuestion, MessageButtons::YesNo, MessageIcon::Question) == IDYES;
}

}  // namespace

CStationFileDialog::CStationFileDialog(CReceiverController& controller, Host& host,
                                       std::string path, int modified)
    : path_(std::move(path)), modified_(modified), controller_(controller), host_(host) {}

void CStationFileDialog::OnInitDialog(DialogWindow&) {}

void CStationFileDialog::OnCommand(DialogWindow& window, int id) {
    switch (id) {
        case IDC_FILE_NEW:
            OnNew(window);
            break;
        case IDC_FILE_OPEN:
            OnOpen(window);
            break;
        case IDC_FILE_SAVE:
            OnSave(window);
            break;
        case IDC_FILE_SAVE_AS:
            OnSaveAs(window);
            break;
        case IDCANCEL:
            window.EndDialog(IDCANCEL);
            break;
        default:
            break;
    }
}

bool CStationFileDialog::SaveIfModified(int& saveFirst, std::string& saveName) {
    saveFirst = 0;
    saveName.clear();
    if (modified_ != 1 || !UserWantsToSave(host_)) return true;
    if (path_.empty() && !AskSavePath(host_, "Stationfile.tts", saveName)) return false;
    if (!path_.empty()) saveName = path_;
    saveFirst = 1;
    return true;
}

void CStationFileDialog::OnNew(DialogWindow& window) {
    int saveFirst = 0;
    std::string saveName;
    if (SaveIfModified(saveFirst, saveName)) {
        controller_.SetStationFileName(std::string());
        controller_.StationFileCommand(saveFirst, saveName, StationFileOperation::New);
    }
    window.EndDialog(IDOK);
}

void CStationFileDialog::OnOpen(DialogWindow& window) {
    int saveFirst = 0;
    std::string saveName;
    std::string chosen;
    // A cancelled open dialog saves nothing, even after "Yes" to the question.
    if (SaveIfModified(saveFirst, saveName) && AskOpenPath(host_, chosen)) {
        controller_.SetStationFileName(chosen);
        controller_.StationFileCommand(saveFirst, saveName, StationFileOperation::Open);
    }
    window.EndDialog(IDOK);
}

void CStationFileDialog::OnSave(DialogWindow& window) {
    if (path_.empty()) {
        std::string chosen;
        if (!AskSavePath(host_, "Stationfile.tts", chosen)) {
            window.EndDialog(IDOK);
            return;
        }
        controller_.SetStationFileName(chosen);
    }
    controller_.StationFileCommand(0, std::string(), StationFileOperation::Save);
    window.EndDialog(IDOK);
}

void CStationFileDialog::OnSaveAs(DialogWindow& window) {
    std::string chosen;
    if (AskSavePath(host_, "", chosen)) {
        controller_.SetStationFileName(chosen);
        controller_.StationFileCommand(0, std::string(), StationFileOperation::SaveAs);
    }
    window.EndDialog(IDOK);
}

void RunStationFileDialog(CReceiverController& controller, Host& host) {
    controller.StopContinuousTuning();
    CStationFileDialog dialog(controller, host, controller.Settings().StationFile,
                              controller.Stations().IsModified());
    host.RunModal(dialog);
}

void SaveModifiedListOnExit(CReceiverController& controller, Host& host) {
    if (controller.Stations().IsModified() != 1 || !UserWantsToSave(host)) return;
    if (controller.Settings().StationFile.empty()) {
        std::string chosen;
        // Cancelled: the program still ends, without saving.
        if (!AskSavePath(host, "Stationfile.tts", chosen)) return;
        controller.SetStationFileName(chosen);
    }
    controller.StationFileCommand(0, std::string(), StationFileOperation::Save);
}
