#pragma once

#include <QFont>
#include <QString>

#include "platform/qt/value_display.h"

// The large frequency readout (control 1065): bold Arial at three fifths of the height, centred,
// black on white.
class FrequencyDisplay : public ValueDisplay {
    Q_OBJECT

  public:
    explicit FrequencyDisplay(QWidget* parent = nullptr);

    void SetText(const QString& text);
    QString Text() const { return text_; }
    QString ValueText() const override;

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    // The readout font for a cell height in pixels, made once per height.
    const QFont& FontForCellHeight(int cellHeight);

    QString text_;
    QFont font_;
    int fontCellHeight_ = -1;
};

// The signal-strength meter (control 1066): the newest reading on the upper bar, the five-sample
// average on the lower one; 90 dB fills the width.
class SignalMeter : public ValueDisplay {
    Q_OBJECT

  public:
    explicit SignalMeter(QWidget* parent = nullptr);

    void SetLevels(int currentDb, int averageDb);
    int CurrentDb() const { return currentDb_; }
    int AverageDb() const { return averageDb_; }
    QString ValueText() const override;

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    int currentDb_ = 0;
    int averageDb_ = 0;
};

// The squelch lamp (control 1067): white while the squelch is not in use (-1), green while the
// signal opens it (0), red while it mutes the audio (any other state).
class SquelchLamp : public ValueDisplay {
    Q_OBJECT

  public:
    explicit SquelchLamp(QWidget* parent = nullptr);

    void SetState(int state);
    int State() const { return state_; }
    QString ValueText() const override;

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    int state_ = -1;
};
