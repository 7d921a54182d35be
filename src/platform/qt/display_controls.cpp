#include "platform/qt/display_controls.h"

#include <QFontMetrics>
#include <QPaintEvent>
#include <QPainter>

#include "ui/display_geometry.h"

namespace {

// A filled rectangle with a one-pixel outline over the pixels [left, right) x [top, bottom);
// nothing for an empty one.
void OutlinedRect(QPainter& painter, const PixelRect& r) {
    if (r.right > r.left && r.bottom > r.top) {
        painter.drawRect(r.left, r.top, r.right - r.left - 1, r.bottom - r.top - 1);
    }
}

}  // namespace

FrequencyDisplay::FrequencyDisplay(QWidget* parent) : ValueDisplay(parent) {}

void FrequencyDisplay::SetText(const QString& text) {
    if (text == text_) return;
    text_ = text;
    ValueChanged();
}

QString FrequencyDisplay::ValueText() const {
    return text_.trimmed();
}

const QFont& FrequencyDisplay::FontForCellHeight(int cellHeight) {
    if (cellHeight != fontCellHeight_) {
        // The height is the character cell (ascent plus descent), as the face is asked for by
        // cell height; Qt sizes by em, so scale the first guess by the face's own proportions.
        QFont font(QStringLiteral("Arial"));
        font.setStyleHint(QFont::SansSerif);
        font.setBold(true);
        font.setPixelSize(cellHeight > 0 ? cellHeight : 1);
        const int measured = QFontMetrics(font).height();
        if (measured > 0 && cellHeight > 0) {
            const int scaled = cellHeight * cellHeight / measured;
            font.setPixelSize(scaled > 0 ? scaled : 1);
        }
        font_ = font;
        fontCellHeight_ = cellHeight;
    }
    return font_;
}

void FrequencyDisplay::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const int w = width();
    const int h = height();
    painter.fillRect(rect(), Qt::white);
    if (text_.isEmpty()) {
        return;
    }
    const QFont& font = FontForCellHeight(ReadoutFontHeight(h));
    painter.setFont(font);
    painter.setPen(Qt::black);
    const QFontMetrics metrics(font);
    const int top = ReadoutTextTop(h);
    const int left = w / 2 - metrics.horizontalAdvance(text_) / 2;
    painter.drawText(left, top + metrics.ascent(), text_);
}

SignalMeter::SignalMeter(QWidget* parent) : ValueDisplay(parent) {}

void SignalMeter::SetLevels(int currentDb, int averageDb) {
    // Five readings a second: a steady carrier must not cost a repaint each.
    if (currentDb == currentDb_ && averageDb == averageDb_) return;
    currentDb_ = currentDb;
    averageDb_ = averageDb;
    ValueChanged();
}

QString SignalMeter::ValueText() const {
    return tr("%1 dB, average %2 dB").arg(currentDb_).arg(averageDb_);
}

void SignalMeter::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), Qt::white);
    painter.setPen(QPen(Qt::black, 0));
    painter.setBrush(QColor(0, 255, 0));
    const MeterBars bars = MeterBarRects(currentDb_, averageDb_, width(), height());
    OutlinedRect(painter, bars.current);
    OutlinedRect(painter, bars.average);
}

SquelchLamp::SquelchLamp(QWidget* parent) : ValueDisplay(parent) {}

void SquelchLamp::SetState(int state) {
    if (state == state_) return;
    state_ = state;
    ValueChanged();
}

QString SquelchLamp::ValueText() const {
    if (state_ == -1) {
        return tr("off");
    }
    return state_ == 0 ? tr("open") : tr("muting");
}

void SquelchLamp::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const RgbColour colour = SquelchLampColour(state_);
    painter.fillRect(rect(), QColor(colour.red, colour.green, colour.blue));
}
