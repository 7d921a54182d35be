// The dialogs the main window opens: station file, configuration, About; and the save question
// when the program ends.

#include "controller/receiver_controller.h"
#include "ui/main_dialog.h"

void CMainDialog::OnStationFile() {
    controller_->StopContinuousTuning();
}

void CMainDialog::OnConfig() {
    controller_->StopContinuousTuning();
}

void CMainDialog::OnAbout() {
    if (controller_ != nullptr) controller_->StopContinuousTuning();
}

void CMainDialog::SaveModifiedStationsOnExit() {
    const int answer =
        host_.MessageBox("The current station file has been modfified.\nDo you want to save it ?",
                         MessageButtons::YesNo, MessageIcon::Question);
    if (answer != IDYES) return;
    if (controller_->Settings().StationFile.empty()) {
        FileDialogOptions options;
        options.title = "ZORIVAN Save Station File";
        options.initialName = "Stationfile.tts";
        options.defaultExtension = "tts";
        options.filter = "Station Files (*.tts)|*.tts||";
        options.overwritePrompt = true;
        std::string path;
        // Cancelled: the program ends without saving.
        if (!host_.GetSaveFileName(options, path)) return;
        controller_->SetStationFileName(path);
    }
    controller_->StationFileCommand(0, std::string(), 3);
}
