#include "link/filter_table.h"

// Rows 33..35 all select code 33 (8000 Hz) so that the last group fills its nine buttons.
const FilterRow FilterTable::kRows[FilterTable::kRowCount] = {
    {32, 0, 0, 300},  {31, 0, 1, 330},  {30, 0, 2, 375},  {29, 0, 3, 450},  {28, 0, 4, 525},
    {27, 0, 5, 600},  {26, 0, 6, 675},  {25, 0, 7, 750},  {24, 0, 8, 900},  {23, 1, 0, 1050},
    {22, 1, 1, 1200}, {21, 1, 2, 1350}, {20, 1, 3, 1500}, {19, 1, 4, 1650}, {18, 1, 5, 1800},
    {17, 1, 6, 1950}, {16, 1, 7, 2100}, {15, 1, 8, 2250}, {14, 2, 0, 2400}, {13, 2, 1, 2550},
    {12, 2, 2, 2700}, {11, 2, 3, 2850}, {10, 2, 4, 3000}, {9, 2, 5, 3300},  {8, 2, 6, 3600},
    {7, 2, 7, 3900},  {6, 2, 8, 4200},  {5, 3, 0, 4500},  {4, 3, 1, 4800},  {3, 3, 2, 5100},
    {2, 3, 3, 5400},  {1, 3, 4, 5700},  {0, 3, 5, 6000},  {33, 3, 6, 8000}, {33, 3, 7, 8000},
    {33, 3, 8, 8000},
};

int FilterTable::IndexOf(int group, int position) {
    for (int i = 0; i < kRowCount; ++i) {
        if (kRows[i].group == group && kRows[i].position == position) return i;
    }
    return -1;
}
