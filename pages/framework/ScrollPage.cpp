// SPDX-License-Identifier: GPL-3.0-or-later
#include "ScrollPage.h"

#include <QEvent>
#include <QKeyEvent>
#include <QPalette>
#include <QPushButton>
#include <QScreen>
#include <QResizeEvent>
#include <QScrollBar>
#include <QShortcut>
#include <algorithm>

#include "PageFonts.h"
#include "Twips.h"

namespace vantorelle {

namespace {

// The bars' arrows and pages move the view by whole lines and whole screens;
// one twip per click, as the bars' defaults would be, would not move it at all.
constexpr int ArrowStepTwips = 225;

}  // namespace

ScrollPage::ScrollPage(DesignSize design, QWidget* parent) : QWidget(parent), design(design)
{
    setFont(PageFonts::page());
    const int barPixels = pixelsFromTwips(ScrollBarTwips);

    horBar = new QScrollBar(Qt::Horizontal, this);
    horBar->setObjectName(QStringLiteral("HorFormScroll"));
    verBar = new QScrollBar(Qt::Vertical, this);
    verBar->setObjectName(QStringLiteral("VerFormScroll"));
    for (QScrollBar* bar : {horBar, verBar}) {
        bar->setRange(0, 0);
        bar->setSingleStep(ArrowStepTwips);
        bar->hide();
    }

    cornerBox = new QWidget(this);
    cornerBox->setObjectName(QStringLiteral("Corner"));
    cornerBox->setAutoFillBackground(true);
    cornerBox->setBackgroundRole(QPalette::Button);
    cornerBox->hide();

    // Design places: the bars along the bottom and right client edges.
    const int clientWidth = pixelsFromTwips(design.outerWidth - FrameWidthTwips);
    const int clientHeight = pixelsFromTwips(design.outerHeight - FrameHeightTwips);
    horBar->setGeometry(0, clientHeight - barPixels, clientWidth, barPixels);
    verBar->setGeometry(clientWidth - barPixels, 0, barPixels, clientHeight);
    cornerBox->setGeometry(clientWidth - barPixels, clientHeight - barPixels, barPixels, barPixels);
    resize(clientWidth, clientHeight);

    connect(horBar, &QScrollBar::valueChanged, this, &ScrollPage::scrollHorizontally);
    connect(verBar, &QScrollBar::valueChanged, this, &ScrollPage::scrollVertically);
}

int ScrollPage::outerWidthTwips() const { return twipsFromPixels(width()) + FrameWidthTwips; }

int ScrollPage::outerHeightTwips() const { return twipsFromPixels(height()) + FrameHeightTwips; }

void ScrollPage::resizeOuterTwips(int outerWidth, int outerHeight)
{
    resize(std::max(0, pixelsFromTwips(outerWidth - FrameWidthTwips)),
           std::max(0, pixelsFromTwips(outerHeight - FrameHeightTwips)));
}

void ScrollPage::finishLoad()
{
    // The form's controls were created after the bars: keep the bars on top.
    horBar->raise();
    verBar->raise();
    cornerBox->raise();
    horBar->hide();
    verBar->hide();
    cornerBox->hide();
    fitOnScreen();
    if (outerWidthTwips() < design.outerWidth || outerHeightTwips() < design.outerHeight)
        layoutStep();
}

void ScrollPage::closeOnEscape(QAbstractButton* closer)
{
    closeOnEscape([closer] { closer->click(); });
}

void ScrollPage::closeOnEscape(std::function<void()> wayOut)
{
    // A shortcut works wherever the focus is on the page; a key handler here
    // would depend on every control passing Escape on.
    auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    escape->setObjectName(QStringLiteral("EscapeShortcut"));
    connect(escape, &QShortcut::activated, this, std::move(wayOut));
}

void ScrollPage::fitOnScreen()
{
    // A page never opens larger than the screen's working area (a large
    // page at a large scale factor would put its buttons out of reach); the
    // bars then show the rest.
    const QScreen* where = screen();
    if (!where)
        return;
    const QRect available = where->availableGeometry();
    const int frameWidth = pixelsFromTwips(FrameWidthTwips);
    const int frameHeight = pixelsFromTwips(FrameHeightTwips);
    const int width = std::min(this->width(), std::max(1, available.width() - frameWidth));
    const int height = std::min(this->height(), std::max(1, available.height() - frameHeight));
    if (width != this->width() || height != this->height())
        resize(width, height);
}

void ScrollPage::layoutStep()
{
    const bool wideEnough = outerWidthTwips() >= design.outerWidth;
    const bool highEnough = outerHeightTwips() >= design.outerHeight;
    const int clientWidth = width();
    const int clientHeight = height();
    // Client sizes in twips; the maxima are the form's outer size less these.
    const int clientWidthTwips = twipsFromPixels(clientWidth);
    const int clientHeightTwips = twipsFromPixels(clientHeight);
    // A bar is never given a negative length, even in a window smaller than a bar.
    auto setBarLength = [](QScrollBar* bar, int length) {
        length = std::max(0, length);
        if (bar->orientation() == Qt::Horizontal)
            bar->resize(length, bar->height());
        else
            bar->resize(bar->width(), length);
    };

    // A direction that no longer needs its bar shows the page from its
    // origin again: with the bar gone, nothing else could bring back controls
    // scrolled out of view.
    if (wideEnough)
        horBar->setValue(0);
    if (highEnough)
        verBar->setValue(0);

    if (wideEnough && highEnough) {
        horBar->hide();
        verBar->hide();
        cornerBox->hide();
        return;
    }
    if (wideEnough) {
        setBarLength(verBar, clientHeight);
        verBar->setMaximum(design.outerHeight - clientHeightTwips);
        verBar->setPageStep(std::max(1, clientHeightTwips));
        verBar->move(clientWidth - verBar->width(), verBar->y());
        verBar->show();
        horBar->hide();
        cornerBox->hide();
        return;
    }
    if (highEnough) {
        setBarLength(horBar, clientWidth);
        horBar->setMaximum(design.outerWidth - clientWidthTwips);
        horBar->setPageStep(std::max(1, clientWidthTwips));
        horBar->move(horBar->x(), clientHeight - horBar->height());
        horBar->show();
        verBar->hide();
        cornerBox->hide();
        return;
    }
    setBarLength(verBar, clientHeight - horBar->height());
    setBarLength(horBar, clientWidth - verBar->width());
    horBar->setMaximum(design.outerWidth - clientWidthTwips);
    horBar->setPageStep(std::max(1, clientWidthTwips));
    horBar->move(horBar->x(), clientHeight - horBar->height());
    verBar->setMaximum(design.outerHeight - clientHeightTwips);
    verBar->setPageStep(std::max(1, clientHeightTwips));
    verBar->move(clientWidth - verBar->width(), verBar->y());
    horBar->show();
    verBar->show();
    cornerBox->move(clientWidth - cornerBox->width(), clientHeight - cornerBox->height());
    cornerBox->show();
}

void ScrollPage::scrollHorizontally(int value)
{
    // The controls' pixel offset follows from the applied value itself, so
    // going back to 0 restores the laid-out places exactly.
    const int dx = pixelsFromTwips(lastHorValue) - pixelsFromTwips(value);
    lastHorValue = value;
    moveControls(dx, 0);
}

void ScrollPage::scrollVertically(int value)
{
    const int dy = pixelsFromTwips(lastVerValue) - pixelsFromTwips(value);
    lastVerValue = value;
    moveControls(0, dy);
}

void ScrollPage::moveControls(int dx, int dy)
{
    if (dx == 0 && dy == 0)
        return;
    const auto children = findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
    for (QWidget* control : children) {
        if (control == horBar || control == verBar || control == cornerBox || control->isWindow())
            continue;
        control->move(control->x() + dx, control->y() + dy);
    }
}

bool ScrollPage::event(QEvent* event)
{
    const bool handled = QWidget::event(event);
    if (event->type() == QEvent::Close && event->isAccepted())
        emit closed();
    return handled;
}

void ScrollPage::keyPressEvent(QKeyEvent* event)
{
    // Enter presses the focused button, as Space does: push buttons do that
    // only in dialogs, and pages are plain windows. The key reaches the page
    // because the button passed it on.
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        if (auto* button = qobject_cast<QPushButton*>(focusWidget());
            button && button->isEnabled() && button->isVisible() && isAncestorOf(button)) {
            button->click();
            event->accept();
            return;
        }
    }
    QWidget::keyPressEvent(event);
}

void ScrollPage::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    layoutStep();
}

}  // namespace vantorelle
