#pragma once

#include <string>

#include "platform/win32/win32_api.h"

// Paints the main window's three owner-drawn statics from the core's layout numbers: the
// frequency readout (bold Arial at three fifths of the height, centred, black on white), the
// signal meter (two green bars, 90 dB the full width) and the squelch lamp.
class DisplayPainter {
  public:
    DisplayPainter() = default;
    ~DisplayPainter();
    DisplayPainter(const DisplayPainter&) = delete;
    DisplayPainter& operator=(const DisplayPainter&) = delete;

    void PaintReadout(HDC dc, const RECT& area, const std::wstring& text);
    void PaintMeter(HDC dc, const RECT& area, int currentDb, int averageDb);
    void PaintLamp(HDC dc, const RECT& area, int state);

  private:
    // The readout font for a cell height in pixels, made once per height.
    HFONT ReadoutFont(int cellHeight);

    HFONT font_ = nullptr;
    int fontCellHeight_ = -1;
};
