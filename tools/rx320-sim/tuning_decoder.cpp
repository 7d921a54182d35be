#include "tuning_decoder.h"

namespace {

// The inverse of the program's tuning formula (see ComputeTuningFactors).
constexpr int kCoarseStepHz = 2500;
constexpr int kCoarseBase = 18000;
constexpr int kTuningOffsetHz = 1250;
constexpr int kBfoOffsetHz = 8000;
// Products are trunc(x * factor / 100), integer arithmetic being exact over the whole range.
constexpr int kFineFactorPercent = 546;
constexpr int kBfoFactorPercent = 273;

int Field(const std::vector<std::uint8_t>& bytes, int at) {
    return bytes[at] * 256 + bytes[at + 1];
}

int AsSigned16(int field) {
    return field >= 0x8000 ? field - 0x10000 : field;
}

// The x with trunc(x * factorPercent / 100) == product; false (and the nearest x) when no x
// gives exactly that product. Factors above 1 make the product one-to-one.
bool UndoTruncatedProduct(int product, int factorPercent, int& x) {
    const int magnitude = product < 0 ? -product : product;
    int candidate = (magnitude * 100 + factorPercent - 1) / factorPercent;  // ceiling
    const bool exact = candidate * factorPercent / 100 == magnitude;
    if (!exact) candidate = (magnitude * 100 + factorPercent / 2) / factorPercent;
    x = product < 0 ? -candidate : candidate;
    return exact;
}

int SidebandSign(int mode) {
    if (mode == 1) return 1;   // USB
    if (mode == 2) return -1;  // LSB
    return 0;                  // AM, CW
}

}  // namespace

DecodedTuning DecodeTuning(const std::vector<std::uint8_t>& bytes, int mode) {
    DecodedTuning decoded;
    if (bytes.size() != 8) {
        decoded.exact = false;
        return decoded;
    }
    decoded.factors.coarse = Field(bytes, 1);
    decoded.factors.fine = AsSigned16(Field(bytes, 3));
    const int bfoField = Field(bytes, 5);

    int remainderHz = 0;
    decoded.exact = UndoTruncatedProduct(decoded.factors.fine, kFineFactorPercent, remainderHz);
    const int tHz = (decoded.factors.coarse - kCoarseBase) * kCoarseStepHz + remainderHz;

    if (mode != 0) {
        // The field is 16 bits: sideband values exceed 32767, a negative CW beat is sent in two's
        // complement. Take whichever reading the formula can have produced, unsigned first.
        int x = 0;
        decoded.factors.bfo = bfoField;
        bool bfoExact = UndoTruncatedProduct(bfoField, kBfoFactorPercent, x);
        int signedX = 0;
        if (!bfoExact && UndoTruncatedProduct(AsSigned16(bfoField), kBfoFactorPercent, signedX)) {
            decoded.factors.bfo = AsSigned16(bfoField);
            x = signedX;
            bfoExact = true;
        }
        decoded.exact = decoded.exact && bfoExact;
        decoded.bfoOffsetHz = x - kBfoOffsetHz;
    } else {
        decoded.factors.bfo = bfoField;
    }
    decoded.dialHz = tHz + kTuningOffsetHz - SidebandSign(mode) * decoded.bfoOffsetHz;
    return decoded;
}
