#include "support/fake_dialog_window.h"

#include <algorithm>

void FakeDialogWindow::DeclareRadioGroup(const std::vector<int>& buttonIds) {
    radioGroups.push_back(buttonIds);
}

const std::vector<int>* FakeDialogWindow::GroupOf(int id) const {
    for (const auto& group : radioGroups) {
        if (std::find(group.begin(), group.end(), id) != group.end()) return &group;
    }
    return nullptr;
}

int FakeDialogWindow::GetCheck(int id) {
    const auto it = checks.find(id);
    return it == checks.end() ? 0 : it->second;
}

void FakeDialogWindow::SetCheck(int id, int state) {
    checks[id] = state;
}

int FakeDialogWindow::GetRadioIndex(int firstId) {
    const auto* group = GroupOf(firstId);
    if (group == nullptr) return -1;
    for (std::size_t i = 0; i < group->size(); ++i) {
        if (GetCheck((*group)[i]) != 0) return static_cast<int>(i);
    }
    return -1;
}

void FakeDialogWindow::SetRadioIndex(int firstId, int index) {
    const auto* group = GroupOf(firstId);
    if (group == nullptr) return;
    for (std::size_t i = 0; i < group->size(); ++i) {
        checks[(*group)[i]] = static_cast<int>(i) == index ? 1 : 0;
    }
}

void FakeDialogWindow::ClickRadio(int id) {
    const auto* group = GroupOf(id);
    if (group == nullptr) return;
    for (int member : *group) checks[member] = member == id ? 1 : 0;
}

void FakeDialogWindow::SetupSlider(int id, int minimum, int maximum, int tickEvery, int lineSize,
                                   int pageSize) {
    Slider& s = sliders[id];
    s.minimum = minimum;
    s.maximum = maximum;
    s.tick = tickEvery;
    s.line = lineSize;
    s.page = pageSize;
    s.position = std::clamp(s.position, minimum, maximum);
}

int FakeDialogWindow::GetSliderPosition(int id) {
    return sliders[id].position;
}

void FakeDialogWindow::SetSliderPosition(int id, int position) {
    Slider& s = sliders[id];
    s.position = std::clamp(position, s.minimum, s.maximum);
}

std::string FakeDialogWindow::GetText(int id) {
    const auto it = texts.find(id);
    return it == texts.end() ? std::string() : it->second;
}

void FakeDialogWindow::SetText(int id, const std::string& text) {
    texts[id] = text;
}

void FakeDialogWindow::AddListItem(int id, const std::string& text) {
    listItems[id].push_back(text);
}

int FakeDialogWindow::GetListSelection(int id) {
    const auto it = listSelections.find(id);
    return it == listSelections.end() ? -1 : it->second;
}

void FakeDialogWindow::SetListSelection(int id, int index) {
    listSelections[id] = index;
}
