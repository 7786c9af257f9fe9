// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// An up-down spinner bound to a text box: each click on an arrow (or the Up
// and Down keys in the box) moves the whole number in the box one step and
// keeps it within the spinner's range. The box itself takes any text; typing
// is not limited by the spinner.
//
// A step goes to the next multiple of the step size (with a step of 100,
// 1000 goes to 1100, and 1 goes to 100), so the numbers stay round. When the
// box holds no number, the spinner steps from the last number it saw there.

#include <QWidget>

#include "NumberFormat.h"

class QLineEdit;
class QToolButton;

namespace vantorelle {

class UpDown : public QWidget {
    Q_OBJECT

public:
    explicit UpDown(QWidget* parent = nullptr);

    void setBuddy(QLineEdit* box);
    void setRange(long minimum, long maximum);
    void setStep(long step);
    void setNumberLocale(const NumberLocale& locale);

    long minimum() const { return lowest; }
    long maximum() const { return highest; }
    long step() const { return stepSize; }

    void stepUp() { stepBy(+1); }
    void stepDown() { stepBy(-1); }

signals:
    // The spinner wrote a new number into its box.
    void stepped();

protected:
    void resizeEvent(QResizeEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void stepBy(int direction);

    QToolButton* upButton = nullptr;
    QToolButton* downButton = nullptr;
    QLineEdit* buddy = nullptr;
    NumberLocale locale;
    long lowest = 0;
    long highest = 100;
    long stepSize = 1;
    double lastSeen = 0;  // the last number read from the box
};

}  // namespace vantorelle
