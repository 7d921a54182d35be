#pragma once

#include <map>
#include <string>
#include <vector>

#include "controller/main_view.h"

// A main window that only remembers what it was told. Every call lands in `calls` as one line in
// the form "Name(arg,arg)" (texts in double quotes), so a test can check an exact sequence; the
// typed records beside it answer the common questions ("what does the title say now?") directly.
class RecordingMainView : public MainView {
  public:
    struct Meter {
        int currentDb;
        int averageDb;
        bool operator==(const Meter&) const = default;
    };
    struct Row {
        StationNode node;
        int displayMHz;
        int frequencyHz;
        std::string name;
    };

    // --- MainView ---
    void ShowFrequency(int frequencyHz, int displayMHz) override;
    void ShowUtcTime(const UtcTime& time) override;
    void ShowFastStepping(int state) override;
    void ShowStepSize(int index) override;
    void ShowMode(int mode) override;
    void ShowAgc(int agc) override;
    void ShowFilter(int filterIndex) override;
    void ShowPassbandShiftOn(int state) override;
    void ShowPassbandShift(int shiftHz) override;
    void ClearContinuousButtons() override;
    void ShowVolume(int on, int level) override;
    void ShowLine(int on, int level) override;
    void ShowSignalDisplayOn(int on) override;
    void ShowSquelchOn(int on) override;
    void ShowSquelchLevel(int levelDb) override;
    void ShowStationFileName(const std::string& name) override;
    void SetTitle(const std::string& title) override;
    void ShowSignalLevels(int currentDb, int averageDb) override;
    void ShowSquelchState(int state) override;
    void DeleteAllStationRows() override;
    void AddStationRow(StationNode node, int displayMHz, int frequencyHz,
                       const std::string& name) override;
    void SortStationRows() override;

    // Forgets every record (calls and state alike).
    void Clear();
    // Lines of `calls` that begin with name followed by '('.
    std::vector<std::string> CallsNamed(const std::string& name) const;
    // The last title set, empty when none was.
    std::string Title() const { return titles.empty() ? std::string() : titles.back(); }

    std::vector<std::string> calls;

    std::vector<std::string> titles;
    std::vector<int> frequenciesShown;  // Hz, one per ShowFrequency
    std::vector<Meter> meter;           // one per redraw of the signal meter
    std::vector<int> lampStates;        // one per redraw of the squelch lamp
    std::vector<std::string> utcTimes;  // "DD.MM.YYYY hh:mm:ss" per ShowUtcTime
    // The controls each named operation reaches, by id, as the main dialog would set them.
    std::map<int, int> checks;         // control id -> last check state
    std::map<int, int> sliders;        // control id -> last position
    std::map<int, std::string> texts;  // control id -> last text
    std::vector<Row> rows;             // the list view as it stands now
    int rowDeletions = 0;              // DeleteAllStationRows calls
    int sorts = 0;                     // SortStationRows calls
    int continuousClears = 0;          // ClearContinuousButtons calls
    // Last value shown by each Show* operation, -1 until shown.
    int fastStepping = -1, stepSize = -1, mode = -1, agc = -1, filter = -1;
    int passbandShiftOn = -1, passbandShift = -1;
    int displayMHz = -1;

  private:
    void Record(const std::string& name, const std::vector<int>& args);
};
