#include "remote/state_dump.h"

#include <algorithm>
#include <cstdint>
#include <cstdio>

#include "base/minimum_frequency.h"
#include "base/program_texts.h"
#include "link/filter_table.h"
#include "remote/capabilities.h"
#include "remote/mode_passband.h"
#include "remote/remote_radio.h"
#include "remote/rigctl_vocabulary.h"

namespace {

std::string Hex(std::uint64_t value) {
    char text[24];
    std::snprintf(text, sizeof text, "0x%llx", static_cast<unsigned long long>(value));
    return text;
}

std::string MaskAndNumber(std::uint64_t mask, int number) {
    return Hex(mask) + " " + std::to_string(number);
}

std::string ProgramVersion() {
    return std::string(kProgramName) + " " + kProgramVersion;
}

// Each mode's default passband first, since hamlib takes a mode's first filter as its normal
// one; then every filter, widest first, so that "narrower than normal" is the next filter down.
void AppendFilters(std::vector<std::string>& lines) {
    std::vector<int> normals;
    for (int mode = 0; mode < kModeCount; ++mode) {
        const int index = NormalFilterIndex(mode);
        if (std::find(normals.begin(), normals.end(), index) != normals.end()) continue;
        normals.push_back(index);
        std::uint64_t modes = 0;
        for (int other = 0; other < kModeCount; ++other) {
            if (NormalFilterIndex(other) == index) modes |= ModeBit(other);
        }
        lines.push_back(MaskAndNumber(modes, FilterWidthHz(index)));
    }
    std::vector<int> widths;
    for (int index = 0; index < FilterTable::kRowCount; ++index) {
        if (IsDistinctFilter(index)) widths.push_back(FilterWidthHz(index));
    }
    std::sort(widths.rbegin(), widths.rend());
    for (int width : widths) lines.push_back(MaskAndNumber(AllModesMask(), width));
    lines.push_back("0 0");
}

}  // namespace

std::vector<std::string> StateDumpLines(bool protocol1) {
    const std::uint64_t modes = AllModesMask();
    std::vector<std::string> lines = {
        protocol1 ? "1" : "0",
        std::to_string(rigctl::kModelRx320),
        "0",  // ITU region: the receiver covers the same range in every region
        std::to_string(MinimumFrequency) + " " + std::to_string(kMaximumFrequency) + " " +
            Hex(modes) + " -1 -1 " + Hex(rigctl::kVfoA) + " 0x0",
        "0 0 0 0 0 0 0",
        "0 0 0 0 0 0 0",  // no transmit ranges
    };
    for (int stepHz : kStepTable) lines.push_back(MaskAndNumber(modes, stepHz));
    lines.push_back("0 0");
    AppendFilters(lines);
    const std::vector<std::string> rest = {
        "0",  // RIT
        "0",  // XIT
        std::to_string(RemoteRadio::kPassbandShiftMaxHz),
        "0",  // announcements
        "",   // preamplifier steps
        "",   // attenuator steps
        Hex(FunctionMask()),
        Hex(FunctionMask()),
        Hex(LevelMask(false)),
        Hex(LevelMask(true)),
        "0x0",  // parameters
        "0x0",
    };
    lines.insert(lines.end(), rest.begin(), rest.end());
    if (!protocol1) return lines;
    const std::vector<std::string> settings = {
        "vfo_ops=0x0",
        "ptt_type=0x0",
        "targetable_vfo=0x0",
        "has_set_vfo=0",
        "has_get_vfo=1",
        "has_set_freq=1",
        "has_get_freq=1",
        "has_set_conf=0",
        "has_get_conf=0",
        "has_power2mW=0",
        "has_mW2power=0",
        // Answers come from memory at once; the client adds its own margin.
        "timeout=1000",
        "rig_model=" + std::to_string(rigctl::kModelRx320),
        "rigctld_version=" + ProgramVersion(),
        "done",
    };
    lines.insert(lines.end(), settings.begin(), settings.end());
    return lines;
}

std::vector<std::string> CapsDumpLines() {
    std::string filters;
    for (int index = 0; index < FilterTable::kRowCount; ++index) {
        if (!IsDistinctFilter(index)) continue;
        if (!filters.empty()) filters += ' ';
        filters += std::to_string(FilterWidthHz(index));
    }
    return {
        "Caps dump for model: " + std::to_string(rigctl::kModelRx320),
        "Model name: RX-320",
        "Mfg name: Ten-Tec",
        "Backend version: " + ProgramVersion(),
        "Rig type: Receiver",
        "PTT type: None",
        "Frequency range: " + std::to_string(MinimumFrequency) + " to " +
            std::to_string(kMaximumFrequency) + " Hz",
        "Mode list: " + ModeNames(),
        "VFO list: VFOA",
        "Filters (Hz): " + filters,
        "Max IF-SHIFT: " + std::to_string(RemoteRadio::kPassbandShiftMaxHz) + " Hz",
        "Get functions: " + FunctionNames(),
        "Set functions: " + FunctionNames(),
        "Get level: " + LevelNames(false),
        "Set level: " + LevelNames(true),
        "Has transmitter: N",
    };
}
