#pragma once

#include <string>

#include "base/toolkit.h"

class CReceiverController;

// The Station File dialog (template 112): New, Open, Save, Save as. Each command closes the
// dialog with IDOK, carried out or not, so the user gives one command per opening.
class CStationFileDialog : public DialogLogic {
  public:
    // path and modified are the list's state when the dialog opens; neither reference is owned.
    CStationFileDialog(CReceiverController& controller, Host& host, std::string path, int modified);

    int TemplateId() const override { return IDD_STATION_FILE; }
    void OnInitDialog(DialogWindow& window) override;
    void OnCommand(DialogWindow& window, int id) override;

    void OnNew(DialogWindow& window);
    void OnOpen(DialogWindow& window);
    void OnSave(DialogWindow& window);
    void OnSaveAs(DialogWindow& window);

  private:
    // Asks whether to save a modified list first. False when the user cancelled the file dialog
    // (the command ends); otherwise saveFirst and saveName say what to do.
    bool SaveIfModified(int& saveFirst, std::string& saveName);

    std::string path_;
    int modified_;
    CReceiverController& controller_;
    Host& host_;
};

// "Stat File": stops continuous tuning and runs the dialog on the controller's current file.
void RunStationFileDialog(CReceiverController& controller, Host& host);

// The program is ending: offers to save a modified list (to the current file, or to one chosen
// in the save dialog). A cancelled file dialog only skips the saving.
void SaveModifiedListOnExit(CReceiverController& controller, Host& host);
