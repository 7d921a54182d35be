#include "platform/qt/display_controls.h"

#include <gtest/gtest.h>

#include <QAccessible>
#include <QApplication>
#include <QImage>
#include <QMouseEvent>
#include <QSignalSpy>
#include <QTest>

#include "platform/qt/repeat_button.h"
#include "support/row_name.h"

namespace {

QImage Paint(QWidget& widget) {
    QImage image(widget.size(), QImage::Format_RGB32);
    image.fill(Qt::magenta);
    widget.render(&image);
    return image;
}

QString AccessibleValue(QWidget& widget) {
    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(&widget);
    return accessible == nullptr ? QString() : accessible->text(QAccessible::Value);
}

const QColor kWhite(255, 255, 255), kGreen(0, 255, 0), kRed(255, 0, 0);

struct MeterCase {
    const char* name;
    int levelDb;
    int greenUpTo;  // pixels of the upper bar's inside that are green (180 px wide meter)
};

class SignalMeterPaint : public ::testing::TestWithParam<MeterCase> {};

// The upper bar is the current level; inside its outline it is green, and white beyond it.
TEST_P(SignalMeterPaint, UpperBarLength) {
    SignalMeter meter;
    meter.resize(180, 20);
    meter.SetLevels(GetParam().levelDb, 0);
    const QImage image = Paint(meter);
    const int row = 5;
    const int green = GetParam().greenUpTo;
    if (green > 0) {
        EXPECT_EQ(image.pixelColor(1, row), kGreen);
        EXPECT_EQ(image.pixelColor(green - 2, row), kGreen);
    }
    if (green < 178) {
        EXPECT_EQ(image.pixelColor(green + 1, row), kWhite);
    }
}

INSTANTIATE_TEST_SUITE_P(Levels, SignalMeterPaint,
                         ::testing::Values(MeterCase{"NothingAtZero", 0, 0},
                                           MeterCase{"NothingBelowZero", -5, 0},
                                           MeterCase{"HalfAt45dB", 45, 90},
                                           MeterCase{"FullAt90dB", 90, 180},
                                           MeterCase{"FullBeyond90dB", 96, 180}),
                         RowName());

TEST(SignalMeter, BarsShareTheMiddleRow) {
    SignalMeter meter;
    meter.resize(90, 20);
    meter.SetLevels(90, 90);
    const QImage image = Paint(meter);
    // Rows 0..9 and 9..19: the shared row 9 is one outline, not two.
    EXPECT_EQ(image.pixelColor(45, 9), QColor(Qt::black));
    EXPECT_EQ(image.pixelColor(45, 8), kGreen);
    EXPECT_EQ(image.pixelColor(45, 10), kGreen);
}

TEST(SignalMeter, SaysItsLevelsToAssistiveTools) {
    SignalMeter meter;
    meter.setAccessibleName(QStringLiteral("Signal strength"));
    meter.SetLevels(35, 30);
    EXPECT_EQ(AccessibleValue(meter), QStringLiteral("35 dB, average 30 dB"));
    EXPECT_EQ(QAccessible::queryAccessibleInterface(&meter)->text(QAccessible::Name),
              QStringLiteral("Signal strength"));
}

struct LampCase {
    const char* name;
    int state;
    QColor colour;
    const char* spoken;
};

class SquelchLampPaint : public ::testing::TestWithParam<LampCase> {};

TEST_P(SquelchLampPaint, ColourAndSpokenState) {
    SquelchLamp lamp;
    lamp.resize(16, 16);
    lamp.SetState(GetParam().state);
    const QImage image = Paint(lamp);
    EXPECT_EQ(image.pixelColor(0, 0), GetParam().colour);
    EXPECT_EQ(image.pixelColor(15, 15), GetParam().colour);
    EXPECT_EQ(AccessibleValue(lamp), QString::fromUtf8(GetParam().spoken));
}

INSTANTIATE_TEST_SUITE_P(States, SquelchLampPaint,
                         ::testing::Values(LampCase{"NotInUse", -1, kWhite, "off"},
                                           LampCase{"AudioOn", 0, kGreen, "open"},
                                           LampCase{"Muted", 1, kRed, "muting"},
                                           LampCase{"AnyOtherState", 7, kRed, "muting"}),
                         RowName());

TEST(SquelchLamp, IsWhiteBeforeTheFirstState) {
    SquelchLamp lamp;
    lamp.resize(16, 16);
    EXPECT_EQ(Paint(lamp).pixelColor(8, 8), kWhite);
}

// Columns that hold any dark pixel: where the text was drawn.
std::pair<int, int> InkedColumns(const QImage& image) {
    int first = -1, last = -1;
    for (int x = 0; x < image.width(); ++x) {
        for (int y = 0; y < image.height(); ++y) {
            if (qGray(image.pixel(x, y)) < 128) {
                if (first < 0) first = x;
                last = x;
                break;
            }
        }
    }
    return {first, last};
}

TEST(FrequencyDisplay, EmptyTextPaintsOnlyWhite) {
    FrequencyDisplay display;
    display.resize(250, 56);
    const QImage image = Paint(display);
    EXPECT_EQ(InkedColumns(image).first, -1);
    EXPECT_EQ(image.pixelColor(125, 28), kWhite);
}

TEST(FrequencyDisplay, TextIsCentredAndFillsThreeFifthsOfTheHeight) {
    FrequencyDisplay display;
    display.resize(250, 60);
    display.SetText(QStringLiteral(" 8888.888 "));
    const QImage image = Paint(display);
    const auto [first, last] = InkedColumns(image);
    ASSERT_GE(first, 0);
    EXPECT_NEAR(first + last, 250, 8);
    int top = -1, bottom = -1;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = first; x <= last; ++x) {
            if (qGray(image.pixel(x, y)) < 128) {
                if (top < 0) top = y;
                bottom = y;
                break;
            }
        }
    }
    // Digits are most of the cell height of 36 pixels, inside the band 12..48.
    EXPECT_GE(top, 12);
    EXPECT_LE(bottom, 48);
    EXPECT_GE(bottom - top, 18);
}

TEST(FrequencyDisplay, SaysItsFrequencyToAssistiveTools) {
    FrequencyDisplay display;
    display.SetText(QStringLiteral("  6075.000 "));
    EXPECT_EQ(AccessibleValue(display), QStringLiteral("6075.000"));
    EXPECT_EQ(display.accessibleDescription(), QStringLiteral("6075.000"));
}

class RepeatButtonTest : public ::testing::Test {
  protected:
    RepeatButtonTest() : button(QStringLiteral("Up")), actions(&button, &RepeatButton::Action) {}

    std::vector<int> Actions() {
        std::vector<int> result;
        for (const QList<QVariant>& call : actions) result.push_back(call.at(0).toInt());
        return result;
    }

    RepeatButton button;
    QSignalSpy actions;
};

TEST_F(RepeatButtonTest, PressAndReleaseAreReported) {
    QTest::mousePress(&button, Qt::LeftButton);
    QTest::mouseRelease(&button, Qt::LeftButton);
    EXPECT_EQ(Actions(), (std::vector<int>{-1, 1}));
}

TEST_F(RepeatButtonTest, DoubleClickIsTwoWholePresses) {
    const QPointF centre = QPointF(button.rect().center());
    QTest::mousePress(&button, Qt::LeftButton);
    QTest::mouseRelease(&button, Qt::LeftButton);
    QMouseEvent second(QEvent::MouseButtonDblClick, centre, button.mapToGlobal(centre),
                       Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&button, &second);
    QTest::mouseRelease(&button, Qt::LeftButton);
    EXPECT_EQ(Actions(), (std::vector<int>{-1, 1, -1, 1}));
}

TEST_F(RepeatButtonTest, RightButtonIsNoPress) {
    QTest::mousePress(&button, Qt::RightButton);
    QTest::mouseRelease(&button, Qt::RightButton);
    EXPECT_TRUE(Actions().empty());
}

TEST_F(RepeatButtonTest, SpaceHeldWorksLikeTheMouse) {
    QTest::keyPress(&button, Qt::Key_Space);
    QTest::keyRelease(&button, Qt::Key_Space);
    EXPECT_EQ(Actions(), (std::vector<int>{-1, 1}));
}

}  // namespace
