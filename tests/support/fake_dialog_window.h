#pragma once

#include <map>
#include <string>
#include <vector>

#include "base/toolkit.h"

// An in-memory dialog window: controls come into being when first touched; radio groups must be
// declared with their button ids so that indices and checks agree, as in the real templates.
class FakeDialogWindow : public DialogWindow {
  public:
    struct Slider {
        int minimum = 0, maximum = 100, tick = 0, line = 1, page = 10, position = 0;
    };

    void DeclareRadioGroup(const std::vector<int>& buttonIds);

    int GetCheck(int id) override;
    void SetCheck(int id, int state) override;
    int GetRadioIndex(int firstId) override;
    void SetRadioIndex(int firstId, int index) override;
    void SetupSlider(int id, int minimum, int maximum, int tickEvery, int lineSize,
                     int pageSize) override;
    int GetSliderPosition(int id) override;
    void SetSliderPosition(int id, int position) override;
    std::string GetText(int id) override;
    void SetText(int id, const std::string& text) override;
    void AddListItem(int id, const std::string& text) override;
    int GetListSelection(int id) override;
    void SetListSelection(int id, int index) override;
    void SetFocus(int id) override { focus = id; }
    int GetFocus() override { return focus; }
    void SetTitle(const std::string& text) override { title = text; }
    void EndDialog(int result) override { endResult = result; }

    // A user click on a radio button: checks it and unchecks the rest of its group.
    void ClickRadio(int id);

    std::map<int, int> checks;
    std::map<int, std::string> texts;
    std::map<int, Slider> sliders;
    std::map<int, std::vector<std::string>> listItems;
    std::map<int, int> listSelections;
    std::vector<std::vector<int>> radioGroups;
    int focus = 0;
    std::string title;
    int endResult = 0;  // 0 while the dialog is open

  private:
    const std::vector<int>* GroupOf(int id) const;
};
