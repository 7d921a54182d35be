#include "link/tuning_command.h"

#include <cmath>
#include <limits>

#include "link/filter_table.h"

namespace {

// The receiver's tuning formula: T = dial + correction +/- sideband offset - 1250 Hz, split into
// 2500 Hz coarse steps above 18000 and a fine remainder.
constexpr int kCoarseStepHz = 2500;
constexpr int kCoarseBase = 18000;
constexpr int kTuningOffsetHz = 1250;
constexpr int kBfoOffsetHz = 8000;
constexpr int kSidebandMarginHz = 200;
constexpr double kFineFactor = 5.46;
constexpr double kBfoFactor = 2.73;

// Truncates toward zero; values beyond int (only from absurd inputs) saturate instead of being
// undefined.
int TruncateToInt(double value) {
    constexpr double kLowest = std::numeric_limits<int>::min();
    constexpr double kHighest = std::numeric_limits<int>::max();
    if (!(value > kLowest)) return std::numeric_limits<int>::min();
    if (!(value < kHighest)) return std::numeric_limits<int>::max();
    return static_cast<int>(value);
}

int SidebandSign(int mode) {
    if (mode == 1) return 1;   // USB
    if (mode == 2) return -1;  // LSB
    return 0;                  // AM, CW
}

void PutHighByteFirst(std::array<std::uint8_t, 8>& bytes, int at, int value) {
    const auto field = static_cast<std::uint16_t>(value);  // low 16 bits of two's complement
    bytes[at] = static_cast<std::uint8_t>(field >> 8);
    bytes[at + 1] = static_cast<std::uint8_t>(field & 0xFF);
}

bool IsSpaceAsScanned(std::uint8_t byte) {
    return byte == ' ' || (byte >= '\t' && byte <= '\r');
}

bool IsDigit(std::uint8_t byte) {
    return byte >= '0' && byte <= '9';
}

}  // namespace

int CorrectionAt(const CorrectionPoints& points, int frequencyHz) {
    // Two points on one frequency define no line; keep the first correction rather than divide
    // by zero.
    if (points.frequency1Hz == points.frequency2Hz) return points.correction1Hz;
    const double c1 = points.correction1Hz;
    const double c2 = points.correction2Hz;
    const double f1 = points.frequency1Hz;
    const double f2 = points.frequency2Hz;
    return TruncateToInt(c1 + (c2 - c1) * (frequencyHz - f1) / (f2 - f1));
}

TuningFactors ComputeTuningFactors(const TuningInput& input) {
    const bool knownFilter = input.filterIndex >= 0 && input.filterIndex < FilterTable::kRowCount;
    const int row = knownFilter ? input.filterIndex : FilterTable::kDefaultIndex;
    const int offsetHz =
        FilterTable::kRows[row].bandwidthHz / 2 + input.passbandShiftHz + kSidebandMarginHz;
    const int t = input.frequencyHz + input.correctionHz + SidebandSign(input.mode) * offsetHz -
                  kTuningOffsetHz;

    TuningFactors factors;
    factors.coarse = t / kCoarseStepHz + kCoarseBase;
    factors.fine = TruncateToInt((t % kCoarseStepHz) * kFineFactor);
    if (input.mode == 1 || input.mode == 2) {
        factors.bfo = TruncateToInt((offsetHz + kBfoOffsetHz) * kBfoFactor);
    } else if (input.mode == 3) {
        factors.bfo = TruncateToInt((input.cwFrequencyHz + kBfoOffsetHz) * kBfoFactor);
    }
    return factors;
}

std::array<std::uint8_t, 8> EncodeTuningCommand(const TuningFactors& factors) {
    std::array<std::uint8_t, 8> bytes{'N', 0, 0, 0, 0, 0, 0, '\r'};
    PutHighByteFirst(bytes, 1, factors.coarse);
    PutHighByteFirst(bytes, 3, factors.fine);
    PutHighByteFirst(bytes, 5, factors.bfo);
    return bytes;
}

int SignalLevelDb(std::uint8_t high, std::uint8_t low) {
    int raw = high * 256 + low;
    if (raw < 1) raw = 1;
    return static_cast<int>(20.0 * std::log10(static_cast<double>(raw)));
}

bool ParseVersionReply(const std::uint8_t (&reply)[7], int& version) {
    constexpr int kEnd = 7;
    int at = 3;
    while (at < kEnd && IsSpaceAsScanned(reply[at])) ++at;
    bool negative = false;
    if (at < kEnd && (reply[at] == '+' || reply[at] == '-')) {
        negative = reply[at] == '-';
        ++at;
    }
    if (at == kEnd || !IsDigit(reply[at])) return false;
    int value = 0;  // at most four digits, far from overflow
    while (at < kEnd && IsDigit(reply[at])) value = value * 10 + (reply[at++] - '0');
    version = negative ? -value : value;
    return true;
}
