#include "platform/qt/display_controls.h"

#include <QFontMetrics>
#include <QPaintEvent>
#include <QPainter>

namespace {

// Bar length in pixels for a level in dB: 90 dB fills the width; kept within 0..width.
int BarLength(int levelDb, int width) {
    const long long length = static_cast<long long>(levelDb) * width / 90;
    return static_cast<int>(length < 0 ? 0 : (length > width ? width : length));
}

// A filled rectangle with a one-pixel outline covering the pixels [left, right) x [top, bottom).
void OutlinedRect(QPainter& painter, int left, int top, int right, int bottom) {
    if (right > left && bottom > top) {
        painter.drawRect(left, top, right - left - 1, bottom - top - 1);
    }
}

}  // namespace

FrequencyDisplay::FrequencyDisplay(QWidget* parent) : ValueDisplay(parent) {}

void FrequencyDisplay::SetText(const QString& text) {
    text_ = text;
    ValueChanged();
}

QString FrequencyDisplay::ValueText() const { return text_.trimmed(); }

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
    const int cellHeight = 3 * h / 5;
    const QFont& font = FontForCellHeight(cellHeight);
    painter.setFont(font);
    painter.setPen(Qt::black);
    const QFontMetrics metrics(font);
    const int top = (h - cellHeight) / 2;
    const int left = w / 2 - metrics.horizontalAdvance(text_) / 2;
    painter.drawText(left, top + metrics.ascent(), text_);
}

SignalMeter::SignalMeter(QWidget* parent) : ValueDisplay(parent) {}

void SignalMeter::SetLevels(int currentDb, int averageDb) {
    currentDb_ = currentDb;
    averageDb_ = averageDb;
    ValueChanged();
}

QString SignalMeter::ValueText() const {
    return tr("%1 dB, average %2 dB").arg(currentDb_).arg(averageDb_);
}

void SignalMeter::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const int w = width();
    const int h = height();
    painter.fillRect(rect(), Qt::white);
    painter.setPen(QPen(Qt::black, 0));
    painter.setBrush(QColor(0, 255, 0));
    // The two bars share the middle pixel row.
    OutlinedRect(painter, 0, 0, BarLength(currentDb_, w), h / 2);
    OutlinedRect(painter, 0, h / 2 - 1, BarLength(averageDb_, w), h);
}

SquelchLamp::SquelchLamp(QWidget* parent) : ValueDisplay(parent) {}

void SquelchLamp::SetState(int state) {
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
    QColor colour(255, 255, 255);
    if (state_ == 0) {
        colour = QColor(0, 255, 0);
    } else if (state_ != -1) {
        colour = QColor(255, 0, 0);
    }
    painter.fillRect(rect(), colour);
}
