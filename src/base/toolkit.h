#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <vector>

#include "base/control_ids.h"
#include "base/station_node.h"

// The dialog toolkit as the core sees it: controls by numeric id, radio groups as indices, sliders
// with line and page sizes, message boxes and file dialogs. The Qt layer implements it; the tests
// use an in-memory one.

enum class MessageButtons { Ok, YesNo, YesNoCancel };
enum class MessageIcon { Exclamation, Question };

struct FileDialogOptions {
    std::string title;
    std::string initialName;
    std::string defaultExtension;  // added to a typed name that has none
    std::string filter;            // "Description|pattern||"
    bool overwritePrompt = false;
    bool hideReadOnly = true;
};

// One open dialog window, its controls addressed by id.
class DialogWindow {
  public:
    virtual ~DialogWindow() = default;

    virtual int GetCheck(int id) = 0;
    virtual void SetCheck(int id, int state) = 0;
    // Radio groups by the id of their first button; -1 for none checked.
    virtual int GetRadioIndex(int firstId) = 0;
    virtual void SetRadioIndex(int firstId, int index) = 0;

    virtual void SetupSlider(int id, int minimum, int maximum, int tickEvery, int lineSize,
                             int pageSize) = 0;
    virtual int GetSliderPosition(int id) = 0;
    virtual void SetSliderPosition(int id, int position) = 0;

    virtual std::string GetText(int id) = 0;
    virtual void SetText(int id, const std::string& text) = 0;

    // Drop-down lists.
    virtual void AddListItem(int id, const std::string& text) = 0;
    virtual int GetListSelection(int id) = 0;
    virtual void SetListSelection(int id, int index) = 0;

    virtual void SetFocus(int id) = 0;
    virtual int GetFocus() = 0;  // id of the focused control, 0 for none
    virtual void SetTitle(const std::string& title) = 0;
    // Ends a modal dialog with the result (IDOK, IDCANCEL).
    virtual void EndDialog(int result) = 0;
};

// The logic of a modal dialog; the host builds its window from the template id.
class DialogLogic {
  public:
    virtual ~DialogLogic() = default;
    virtual int TemplateId() const = 0;
    virtual void OnInitDialog(DialogWindow& window) = 0;
    // A button was clicked (IDOK and IDCANCEL included; Escape and the close box send IDCANCEL).
    virtual void OnCommand(DialogWindow& window, int id) = 0;
};

// Program-wide host services. Message boxes carry the program name as caption.
class Host {
  public:
    virtual ~Host() = default;
    // Returns IDOK, IDYES, IDNO or IDCANCEL.
    virtual int MessageBox(const std::string& text, MessageButtons buttons, MessageIcon icon) = 0;
    virtual void Beep() = 0;  // the exclamation sound
    // True with the chosen full path; false when cancelled.
    virtual bool GetSaveFileName(const FileDialogOptions& options, std::string& path) = 0;
    virtual bool GetOpenFileName(const FileDialogOptions& options, std::string& path) = 0;
    // Runs the dialog modally; returns the result it ended with.
    virtual int RunModal(DialogLogic& dialog) = 0;
    // Runs work from the event loop once the event being handled is done, never inside this call.
    // May be called from any thread; the work runs on the event loop's.
    virtual void Post(std::function<void()> work) = 0;
};

// One row of the station list view.
struct StationListRow {
    std::string frequencyText;
    std::string name;
    StationNode node = kNoStation;
};

// The station list view (control 1009): rows of two texts and a record node.
class StationListView {
  public:
    virtual ~StationListView() = default;
    virtual int RowCount() = 0;
    virtual void InsertRow(int row, const std::string& frequencyText, const std::string& name,
                           StationNode node) = 0;
    virtual void SetRowText(int row, int column, const std::string& text) = 0;
    virtual std::string GetRowText(int row, int column) = 0;
    virtual StationNode GetRowData(int row) = 0;
    // The row whose data is node, or -1: rows move while a modal box is open.
    virtual int FindRow(StationNode node) = 0;
    virtual void DeleteRow(int row) = 0;
    virtual void DeleteAllRows() = 0;
    // The selected row, or -1.
    virtual int GetSelectedRow() = 0;
    // Selects and focuses the row and scrolls it fully into view.
    virtual void SelectRow(int row) = 0;
    // Puts the rows in a new order: newOrder[i] is the old index of the row that goes to i.
    virtual void ReorderRows(const std::vector<int>& newOrder) = 0;
    // Replaces every row by rows, top to bottom, none selected. The default inserts them one at a
    // time; a host whose view draws from a model of its rows takes them all in one step.
    virtual void ReplaceAllRows(std::vector<StationListRow> rows) {
        DeleteAllRows();
        for (std::size_t i = 0; i < rows.size(); ++i) {
            InsertRow(static_cast<int>(i), rows[i].frequencyText, rows[i].name, rows[i].node);
        }
    }
};
