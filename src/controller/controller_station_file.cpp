// The controller's side of the station file: its name on screen, New/Open/Save with their
// messages, the list view refill, and the load and save around the run.

#include "app/profile_settings.h"
#include "base/toolkit.h"
#include "controller/file_name_part.h"
#include "controller/receiver_controller.h"

namespace {

const char* LoadMessage(int code) {
    switch (code) {
        case StationLoadResult::kCannotOpen:
            return "Unable to open the station file.";
        case StationLoadResult::kReadError:
            return "Error reading the station file.";
        case StationLoadResult::kWrongMagic:
            return "Station file has wrong magic number.";
        case StationLoadResult::kWrongVersion:
            return "Station file has wrong version number.";
        case StationLoadResult::kNoMemory:
            return "Error creating the station list from the station file.";
        default:
            return nullptr;
    }
}

const char* SaveMessage(int code) {
    switch (code) {
        case StationSaveResult::kCannotCreate:
            return "Unable to open the station file.";
        case StationSaveResult::kWriteFailed:
            return "Error writing the station file.";
        default:
            return nullptr;
    }
}

}  // namespace

int CReceiverController::SetStationFileName(const std::string& path) {
    settings_.StationFile = path;
    ShowStationFileName();
    return 0;
}

void CReceiverController::ShowStationFileName() {
    if (view_ != nullptr) {
        view_->ShowStationFileName(FileNameWithExtension(settings_.StationFile));
    }
}

void CReceiverController::ShowStationFileMessage(int code, bool load) {
    const char* text = load ? LoadMessage(code) : SaveMessage(code);
    if (text != nullptr) host_.MessageBox(text, MessageButtons::Ok, MessageIcon::Exclamation);
}

int CReceiverController::StationFileCommand(int saveFirst, const std::string& saveName,
                                            StationFileOperation operation) {
    // The old list goes to its file first; a failure is shown and the command goes on.
    if ((operation == StationFileOperation::New || operation == StationFileOperation::Open) &&
        saveFirst == 1) {
        ShowStationFileMessage(stations_.Save(saveName), false);
    }
    switch (operation) {
        case StationFileOperation::New: {
            const int result = stations_.Clear();
            RefreshStationList();
            return result;
        }
        case StationFileOperation::Open: {
            const int result = LoadStationFile();
            RefreshStationList();
            return result;
        }
        case StationFileOperation::Save:
        case StationFileOperation::SaveAs: {
            const int result = stations_.Save(settings_.StationFile);
            ShowStationFileMessage(result, false);
            return result;
        }
        default:
            return 0;
    }
}

void CReceiverController::RefreshStationList() {
    if (view_ != nullptr) view_->ShowStationList(stations_, settings_.DisplayMHz);
}

void CReceiverController::LoadSettingsAndStations(ProfileStore& store, ComPortChooser& chooser) {
    LoadProfileSettings(store, chooser, settings_);
    if (!settings_.StationFile.empty()) LoadStationFile();
}

int CReceiverController::AddStation(const StationRecord& station, StationNode& node) {
    return stations_.Add(station, node);
}

int CReceiverController::UpdateStation(StationNode node, const StationRecord& station) {
    return stations_.Update(node, station);
}

int CReceiverController::RemoveStation(StationNode node) {
    return stations_.Remove(node);
}

int CReceiverController::LoadStationFile() {
    const int result = stations_.Load(settings_.StationFile);
    if (result != StationLoadResult::kLoaded) {
        ShowStationFileMessage(result, true);
        stations_.Clear();
    }
    return result;
}

void CReceiverController::SaveSettingsAndFreeStations(ProfileStore& store) {
    SaveProfileSettings(store, settings_);
    stations_.Clear();
}
