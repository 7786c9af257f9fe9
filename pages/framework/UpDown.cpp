// SPDX-License-Identifier: GPL-3.0-or-later
#include "UpDown.h"

#include <QEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QToolButton>
#include <algorithm>
#include <cmath>

namespace vantorelle {

UpDown::UpDown(QWidget* parent) : QWidget(parent)
{
    upButton = new QToolButton(this);
    upButton->setObjectName(QStringLiteral("Up"));
    upButton->setArrowType(Qt::UpArrow);
    upButton->setAccessibleName(tr("Up"));
    downButton = new QToolButton(this);
    downButton->setObjectName(QStringLiteral("Down"));
    downButton->setArrowType(Qt::DownArrow);
    downButton->setAccessibleName(tr("Down"));
    for (QToolButton* button : {upButton, downButton}) {
        // Holding an arrow down keeps stepping, as a spinner's arrows do.
        button->setAutoRepeat(true);
        button->setAutoRepeatDelay(400);
        button->setAutoRepeatInterval(60);
        button->setFocusPolicy(Qt::NoFocus);
    }
    connect(upButton, &QToolButton::clicked, this, &UpDown::stepUp);
    connect(downButton, &QToolButton::clicked, this, &UpDown::stepDown);
}

void UpDown::setBuddy(QLineEdit* box)
{
    if (buddy)
        buddy->removeEventFilter(this);
    buddy = box;
    if (!buddy)
        return;
    buddy->installEventFilter(this);
    if (auto value = ParseBoxNumber(buddy->text().toStdString(), locale))
        lastSeen = *value;
}

void UpDown::setRange(long minimum, long maximum)
{
    lowest = minimum;
    highest = std::max(minimum, maximum);
}

void UpDown::setStep(long step) { stepSize = std::max(1L, step); }

void UpDown::setNumberLocale(const NumberLocale& numbers)
{
    locale = numbers;
    if (buddy) {
        if (auto value = ParseBoxNumber(buddy->text().toStdString(), locale))
            lastSeen = *value;
    }
}

void UpDown::stepBy(int direction)
{
    if (!buddy || !isEnabled())
        return;
    if (auto value = ParseBoxNumber(buddy->text().toStdString(), locale))
        lastSeen = *value;
    const double step = static_cast<double>(stepSize);
    double next = direction > 0 ? std::floor(lastSeen / step) * step + step : std::ceil(lastSeen / step) * step - step;
    next = std::clamp(next, static_cast<double>(lowest), static_cast<double>(highest));
    lastSeen = next;
    buddy->setText(QString::fromStdString(FormatWhole(static_cast<long long>(next))));
    emit stepped();
}

void UpDown::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    const int half = height() / 2;
    upButton->setGeometry(0, 0, width(), half);
    downButton->setGeometry(0, half, width(), height() - half);
}

bool UpDown::eventFilter(QObject* watched, QEvent* event)
{
    // The Up and Down keys in the box work the spinner, as its arrows do.
    if (watched == buddy && event->type() == QEvent::KeyPress && isEnabled()) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Up || key == Qt::Key_Down) {
            stepBy(key == Qt::Key_Up ? +1 : -1);
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

}  // namespace vantorelle
