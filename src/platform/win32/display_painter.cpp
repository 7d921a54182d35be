#include "platform/win32/display_painter.h"

#include "ui/display_geometry.h"

namespace {

// Everything is drawn relative to the control's client area, as the layout functions assume.
struct Size {
    int width;
    int height;
};

Size SizeOf(const RECT& area) {
    return {area.right - area.left, area.bottom - area.top};
}

void FillWith(HDC dc, const RECT& area, COLORREF colour) {
    HBRUSH brush = ::CreateSolidBrush(colour);
    ::FillRect(dc, &area, brush);
    ::DeleteObject(brush);
}

// A filled rectangle with a one-pixel outline over [left, right) x [top, bottom); nothing for an
// empty one. Rectangle() covers exactly those pixels.
void OutlinedRect(HDC dc, const RECT& area, const PixelRect& r) {
    if (r.right > r.left && r.bottom > r.top) {
        ::Rectangle(dc, area.left + r.left, area.top + r.top, area.left + r.right,
                    area.top + r.bottom);
    }
}

}  // namespace

DisplayPainter::~DisplayPainter() {
    if (font_ != nullptr) ::DeleteObject(font_);
}

HFONT DisplayPainter::ReadoutFont(int cellHeight) {
    if (cellHeight != fontCellHeight_ || font_ == nullptr) {
        if (font_ != nullptr) ::DeleteObject(font_);
        // A positive height asks for the character cell, which is what the layout gives.
        font_ = ::CreateFontW(cellHeight > 0 ? cellHeight : 1, 0, 0, 0, FW_BOLD, FALSE, FALSE,
                              FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS,
                              ANTIALIASED_QUALITY, VARIABLE_PITCH | FF_SWISS, L"Arial");
        fontCellHeight_ = cellHeight;
    }
    return font_;
}

void DisplayPainter::PaintReadout(HDC dc, const RECT& area, const std::wstring& text) {
    FillWith(dc, area, RGB(255, 255, 255));
    if (text.empty()) return;
    const Size size = SizeOf(area);
    HGDIOBJ previous = ::SelectObject(dc, ReadoutFont(ReadoutFontHeight(size.height)));
    SIZE extent{};
    ::GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &extent);
    ::SetBkMode(dc, TRANSPARENT);
    ::SetTextColor(dc, RGB(0, 0, 0));
    ::SetTextAlign(dc, TA_LEFT | TA_TOP);
    ::TextOutW(dc, area.left + size.width / 2 - extent.cx / 2,
               area.top + ReadoutTextTop(size.height), text.c_str(), static_cast<int>(text.size()));
    ::SelectObject(dc, previous);
}

void DisplayPainter::PaintMeter(HDC dc, const RECT& area, int currentDb, int averageDb) {
    FillWith(dc, area, RGB(255, 255, 255));
    const Size size = SizeOf(area);
    HBRUSH green = ::CreateSolidBrush(RGB(0, 255, 0));
    HGDIOBJ previousBrush = ::SelectObject(dc, green);
    HGDIOBJ previousPen = ::SelectObject(dc, ::GetStockObject(BLACK_PEN));
    const MeterBars bars = MeterBarRects(currentDb, averageDb, size.width, size.height);
    OutlinedRect(dc, area, bars.current);
    OutlinedRect(dc, area, bars.average);
    ::SelectObject(dc, previousPen);
    ::SelectObject(dc, previousBrush);
    ::DeleteObject(green);
}

void DisplayPainter::PaintLamp(HDC dc, const RECT& area, int state) {
    const RgbColour colour = SquelchLampColour(state);
    FillWith(dc, area, RGB(colour.red, colour.green, colour.blue));
}
