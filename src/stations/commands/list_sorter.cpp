#include "stations/commands/list_sorter.h"

#include <algorithm>
#include <cstddef>
#include <numeric>
#include <string>
#include <vector>

#include "base/number_text.h"

namespace {

// The letters A to Z count as a to z; every other character by its 8-bit code.
int FoldedCode(char c) {
    const int code = static_cast<unsigned char>(c);
    return code >= 'A' && code <= 'Z' ? code - 'A' + 'a' : code;
}

bool TextLess(const std::string& first, const std::string& second) {
    return std::lexicographical_compare(
        first.begin(), first.end(), second.begin(), second.end(),
        [](char a, char b) { return FoldedCode(a) < FoldedCode(b); });
}

// The number the text begins with, 0 when it begins with none.
double LeadingNumber(const std::string& text) {
    double value = 0;
    std::size_t consumed = 0;
    return ReadDecimalPrefix(text, value, consumed) ? value : 0.0;
}

}  // namespace

CListSorter::CListSorter(StationListView& view, int column) : view_(view), column_(column) {}

void CListSorter::Sort(bool ascending, int kind) {
    if (kind != kText && kind != kNumber) return;
    const auto count = static_cast<std::size_t>(std::max(view_.RowCount(), 0));
    // Only the keys are kept, one per row; the sort moves row numbers.
    std::vector<std::string> texts;
    std::vector<double> numbers;
    if (kind == kNumber) {
        numbers.reserve(count);
    } else {
        texts.reserve(count);
    }
    for (std::size_t row = 0; row < count; ++row) {
        std::string text = view_.GetRowText(static_cast<int>(row), column_);
        if (kind == kNumber) {
            numbers.push_back(LeadingNumber(text));
        } else {
            texts.push_back(std::move(text));
        }
    }

    auto less = [&](int a, int b) {
        return kind == kNumber ? numbers[a] < numbers[b] : TextLess(texts[a], texts[b]);
    };
    std::vector<int> order(count);
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(),
                     [&](int a, int b) { return ascending ? less(a, b) : less(b, a); });
    view_.ReorderRows(order);
}
