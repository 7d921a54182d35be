#pragma once

#include "base/toolkit.h"

// Sorts the rows of a list view by the text of one column. Lives for one sort.
class CListSorter {
  public:
    static constexpr int kText = 2;
    static constexpr int kNumber = 4;

    CListSorter(StationListView& view, int column);
    virtual ~CListSorter() = default;

    // kind kText (case-insensitive) or kNumber (leading number of the text, 0 when none).
    // Stable: rows with equal keys keep their order.
    void Sort(bool ascending, int kind);

  private:
    StationListView& view_;
    int column_;
};
