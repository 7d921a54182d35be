// The dialogs the main window opens: station file, configuration, About; and the save question
// for a modified list when the program ends. Each stops continuous tuning first.

#include "controller/receiver_controller.h"
#include "stations/commands/station_file_dialog.h"
#include "ui/about_dialog.h"
#include "ui/main_dialog.h"

void CMainDialog::SetSerialPortHelpers(const SerialPortHelpers& helpers) {
    serialPortHelpers_ = helpers;
}

void CMainDialog::OnStationFile() {
    RunStationFileDialog(*controller_, host_);
}

void CMainDialog::OnConfig() {
    RunConfiguration(*controller_, host_, serialPortHelpers_);
}

void CMainDialog::OnAbout() {
    if (controller_ != nullptr) RunAbout(*controller_, host_);
}
