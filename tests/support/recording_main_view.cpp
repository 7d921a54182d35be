#include "support/recording_main_view.h"

#include <cstdio>

#include "base/control_ids.h"

void RecordingMainView::Record(const std::string& name, const std::vector<int>& args) {
    std::string line = name + "(";
    for (std::size_t i = 0; i < args.size(); ++i) {
        if (i != 0) line += ",";
        line += std::to_string(args[i]);
    }
    calls.push_back(line + ")");
}

void RecordingMainView::ShowFrequency(int frequencyHz, int displayMHzFlag) {
    Record("ShowFrequency", {frequencyHz, displayMHzFlag});
    frequenciesShown.push_back(frequencyHz);
    displayMHz = displayMHzFlag;
}

void RecordingMainView::ShowUtcTime(const UtcTime& time) {
    Record("ShowUtcTime", {time.day, time.month, time.year, time.hour, time.minute, time.second});
    char text[32];
    std::snprintf(text, sizeof text, "%02d.%02d.%04d %02d:%02d:%02d", time.day, time.month,
                  time.year, time.hour, time.minute, time.second);
    utcTimes.emplace_back(text);
}

void RecordingMainView::ShowFastStepping(int state) {
    Record("ShowFastStepping", {state});
    fastStepping = state;
}

void RecordingMainView::ShowStepSize(int index) {
    Record("ShowStepSize", {index});
    stepSize = index;
}

void RecordingMainView::ShowMode(int value) {
    Record("ShowMode", {value});
    mode = value;
}

void RecordingMainView::ShowAgc(int value) {
    Record("ShowAgc", {value});
    agc = value;
}

void RecordingMainView::ShowFilter(int filterIndex) {
    Record("ShowFilter", {filterIndex});
    filter = filterIndex;
}

void RecordingMainView::ShowPassbandShiftOn(int state) {
    Record("ShowPassbandShiftOn", {state});
    passbandShiftOn = state;
}

void RecordingMainView::ShowPassbandShift(int shiftHz) {
    Record("ShowPassbandShift", {shiftHz});
    passbandShift = shiftHz;
}

void RecordingMainView::ClearContinuousButtons() {
    Record("ClearContinuousButtons", {});
    ++continuousClears;
}

void RecordingMainView::ShowVolume(int on, int level) {
    Record("ShowVolume", {on, level});
    checks[IDC_VOLUME_ON] = on;
    sliders[IDC_VOLUME_SLIDER] = level;
}

void RecordingMainView::ShowLine(int on, int level) {
    Record("ShowLine", {on, level});
    checks[IDC_LINE_ON] = on;
    sliders[IDC_LINE_SLIDER] = level;
}

void RecordingMainView::ShowSignalDisplayOn(int on) {
    Record("ShowSignalDisplayOn", {on});
    checks[IDC_SIGNAL_ON] = on;
}

void RecordingMainView::ShowSquelchOn(int on) {
    Record("ShowSquelchOn", {on});
    checks[IDC_SQUELCH_ON] = on;
}

void RecordingMainView::ShowSquelchLevel(int levelDb) {
    Record("ShowSquelchLevel", {levelDb});
    sliders[IDC_SQUELCH_SLIDER] = levelDb;
}

void RecordingMainView::ShowStationFileName(const std::string& name) {
    calls.push_back("ShowStationFileName(\"" + name + "\")");
    texts[IDC_STATION_FILE_NAME] = name;
}

void RecordingMainView::SetTitle(const std::string& title) {
    calls.push_back("SetTitle(\"" + title + "\")");
    titles.push_back(title);
}

void RecordingMainView::ShowSignalLevels(int currentDb, int averageDb) {
    Record("ShowSignalLevels", {currentDb, averageDb});
    meter.push_back(Meter{currentDb, averageDb});
}

void RecordingMainView::ShowSquelchState(int state) {
    Record("ShowSquelchState", {state});
    lampStates.push_back(state);
}

void RecordingMainView::DeleteAllStationRows() {
    Record("DeleteAllStationRows", {});
    ++rowDeletions;
    rows.clear();
}

void RecordingMainView::AddStationRow(StationNode node, int displayMHzFlag, int frequencyHz,
                                      const std::string& name) {
    calls.push_back("AddStationRow(" + std::to_string(displayMHzFlag) + "," +
                    std::to_string(frequencyHz) + ",\"" + name + "\")");
    rows.push_back(Row{node, displayMHzFlag, frequencyHz, name});
}

void RecordingMainView::SortStationRows() {
    Record("SortStationRows", {});
    ++sorts;
}

void RecordingMainView::Clear() {
    *this = RecordingMainView();
}

std::vector<std::string> RecordingMainView::CallsNamed(const std::string& name) const {
    std::vector<std::string> found;
    const std::string prefix = name + "(";
    for (const std::string& line : calls) {
        if (line.compare(0, prefix.size(), prefix) == 0) found.push_back(line);
    }
    return found;
}
