// SPDX-License-Identifier: GPL-3.0-or-later
#include "WeightsView.h"

#include <QHelpEvent>
#include <QKeyEvent>
#include <QLinearGradient>
#include <QPainter>
#include <QScrollArea>
#include <QToolTip>
#include <algorithm>
#include <cmath>

namespace vantorelle {

namespace {

constexpr int Margin = 8;
constexpr int LegendHeight = 46;
constexpr int CaptionHeight = 16;
constexpr int BlockGap = 14;
constexpr int MinCell = 6;
constexpr int MaxCell = 36;
constexpr int CellGap = 1;

}  // namespace

WeightsView::WeightsView(QWidget* parent) : NetworkPicture(parent)
{
    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);
}

long WeightsView::inputs() const { return shown && shown->hasWeights() ? shown->patterns->NumInputs : 0; }
long WeightsView::outputs() const { return shown && shown->hasWeights() ? shown->patterns->NumOutputs : 0; }

void WeightsView::setPictureWidth(int cells)
{
    across = std::max(1, cells);
    relayout();
}

void WeightsView::setRoom(QSize area, int scrollBarExtent)
{
    room = area.expandedTo(QSize(1, 1));
    barExtent = std::clamp(scrollBarExtent, 0, room.width() - 1);
    relayout();
}

void WeightsView::snapshotChanged()
{
    relayout();
    if (current.i >= 0 && (current.k > outputs() || current.i > inputs()))
        current = {};
}

void WeightsView::relayout()
{
    const long n = inputs();
    const long units = outputs();
    scale = 0;
    for (long k = 1; k <= units; ++k) {
        scale = std::max(scale, std::fabs(shown->Thresholds[static_cast<std::size_t>(k)]));
        for (long i = 1; i <= n; ++i)
            scale = std::max(scale, std::fabs(shown->Weights(i, k)));
    }
    if (!(scale > 0) || !std::isfinite(scale))
        scale = 1;
    lowest.assign(ownRange ? static_cast<std::size_t>(units) + 1 : 0, 0.0);
    highest.assign(lowest.size(), 0.0);
    for (long k = 1; ownRange && k <= units; ++k) {
        double lo = 0, hi = 0;
        for (long i = 1; i <= n; ++i) {
            const double w = shown->Weights(i, k);
            lo = i == 1 ? w : std::min(lo, w);
            hi = i == 1 ? w : std::max(hi, w);
        }
        lowest[static_cast<std::size_t>(k)] = lo;
        highest[static_cast<std::size_t>(k)] = hi;
    }

    const int rows = n > 0 ? static_cast<int>((n + across - 1) / across) : 1;
    const int columns = static_cast<int>(std::min<long>(across, std::max<long>(n, 1)));
    // The largest cells with which every unit fits the room's height, but
    // never wider than the room and never smaller than can be pointed at.
    const int flowWidth = room.width() - barExtent;
    auto layoutWith = [&](int size) {
        cell = size;
        blockWidth = columns * size + size / 2 + size + BlockGap;
        blockHeight = CaptionHeight + std::max(rows, 1) * size + BlockGap;
        unitsPerRow = std::max(1, (flowWidth - 2 * Margin + BlockGap) / blockWidth);
    };
    int side = MaxCell;
    for (; side > MinCell; --side) {
        layoutWith(side);
        const long unitRows = units > 0 ? (units + unitsPerRow - 1) / unitsPerRow : 0;
        const bool fitsAcross = blockWidth <= flowWidth - 2 * Margin + BlockGap;
        if (fitsAcross && LegendHeight + unitRows * blockHeight + Margin <= room.height())
            break;
    }
    layoutWith(side);
    const QSize wanted = pictureSize();
    if (size() != wanted)
        resize(wanted);
    update();
}

QSize WeightsView::pictureSize() const
{
    const long units = outputs();
    const long unitRows = units > 0 ? (units + unitsPerRow - 1) / unitsPerRow : 1;
    const int contentWidth = 2 * Margin + unitsPerRow * blockWidth - BlockGap;
    const int contentHeight = static_cast<int>(LegendHeight + unitRows * blockHeight + Margin);
    // A picture taller than the area gets the vertical bar, one wider the horizontal one.
    const int width = contentHeight > room.height() ? room.width() - barExtent : room.width();
    const int height = contentWidth > width ? room.height() - barExtent : room.height();
    return QSize(std::max(width, contentWidth), std::max(height, contentHeight));
}

QPoint WeightsView::unitOrigin(long k) const
{
    const long u = k - 1;
    const int x = Margin + static_cast<int>(u % unitsPerRow) * blockWidth;
    const int y = LegendHeight + static_cast<int>(u / unitsPerRow) * blockHeight + CaptionHeight;
    return QPoint(x, y);
}

QRect WeightsView::cellRect(long k, long i) const
{
    if (k < 1 || k > outputs() || i < 1 || i > inputs())
        return {};
    const QPoint origin = unitOrigin(k);
    const int row = static_cast<int>((i - 1) / across);
    const int column = static_cast<int>((i - 1) % across);
    return QRect(origin.x() + column * cell, origin.y() + row * cell, cell, cell);
}

QRect WeightsView::thresholdRect(long k) const
{
    if (k < 1 || k > outputs())
        return {};
    const QPoint origin = unitOrigin(k);
    const int columns = static_cast<int>(std::min<long>(across, std::max<long>(inputs(), 1)));
    return QRect(origin.x() + columns * cell + cell / 2, origin.y(), cell, cell);
}

QRect WeightsView::cellFill(long i, const QRect& cellArea) const
{
    // A line of the white ground between neighbouring cells, so that equal
    // weights side by side still show as cells; none along the frame.
    const long n = inputs();
    const int rows = static_cast<int>((n + across - 1) / across);
    const int columns = static_cast<int>(std::min<long>(across, n));
    const bool cellRight = (i - 1) % across + 1 < columns;
    const bool cellBelow = (i - 1) / across + 1 < rows;
    return cellArea.adjusted(0, 0, cellRight ? -CellGap : 0, cellBelow ? -CellGap : 0);
}

QString WeightsView::describe(long k, long i) const
{
    if (k < 1 || k > outputs())
        return {};
    if (i == 0)
        return tr("Output %1: threshold %2").arg(k).arg(statusNumber(shown->Thresholds[static_cast<std::size_t>(k)]));
    if (i < 1 || i > inputs())
        return {};
    return tr("Output %1, input %2: weight %3").arg(k).arg(i).arg(statusNumber(shown->Weights(i, k)));
}

QString WeightsView::currentDescription() const { return current.i >= 0 ? describe(current.k, current.i) : QString(); }

WeightsView::Hit WeightsView::hitAt(const QPoint& point) const
{
    for (long k = 1; k <= outputs(); ++k) {
        if (thresholdRect(k).contains(point))
            return {k, 0};
        const QPoint origin = unitOrigin(k);
        if (point.x() < origin.x() || point.y() < origin.y())
            continue;
        const long column = (point.x() - origin.x()) / cell;
        const long row = (point.y() - origin.y()) / cell;
        if (column >= across)
            continue;
        const long i = row * across + column + 1;
        if (i >= 1 && i <= inputs() && cellRect(k, i).contains(point))
            return {k, i};
    }
    return {};
}

void WeightsView::mouseMoveEvent(QMouseEvent* event)
{
    const Hit hit = hitAt(event->position().toPoint());
    emit cellDescribed(hit.i >= 0 ? describe(hit.k, hit.i) : currentDescription());
    NetworkPicture::mouseMoveEvent(event);
}

void WeightsView::leaveEvent(QEvent* event)
{
    emit cellDescribed(currentDescription());
    NetworkPicture::leaveEvent(event);
}

bool WeightsView::event(QEvent* event)
{
    if (event->type() == QEvent::ToolTip) {
        auto* help = static_cast<QHelpEvent*>(event);
        const Hit hit = hitAt(help->pos());
        if (hit.i >= 0)
            QToolTip::showText(help->globalPos(), describe(hit.k, hit.i), this);
        else
            QToolTip::hideText();
        return true;
    }
    return NetworkPicture::event(event);
}

void WeightsView::focusInEvent(QFocusEvent* event)
{
    if (current.i < 0 && outputs() > 0)
        current = {1, inputs() > 0 ? 1 : 0};
    emit cellDescribed(currentDescription());
    update();
    NetworkPicture::focusInEvent(event);
}

void WeightsView::keyPressEvent(QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_Left: moveCurrent(0, -1, 0); break;
    case Qt::Key_Right: moveCurrent(0, 1, 0); break;
    case Qt::Key_Up: moveCurrent(0, 0, -1); break;
    case Qt::Key_Down: moveCurrent(0, 0, 1); break;
    case Qt::Key_PageUp: moveCurrent(-1, 0, 0); break;
    case Qt::Key_PageDown: moveCurrent(1, 0, 0); break;
    default: NetworkPicture::keyPressEvent(event); return;
    }
    event->accept();
}

void WeightsView::moveCurrent(long dk, long di, long dRow)
{
    const long n = inputs();
    if (outputs() < 1)
        return;
    Hit next = current.i < 0 ? Hit{1, n > 0 ? 1 : 0} : current;
    next.k = std::clamp(next.k + dk, 1L, outputs());
    // The threshold cell (input 0 here) stands right of the first row.
    const long lastOfFirstRow = std::min<long>(across, n);
    if (di < 0 && next.i == 0 && n > 0)
        next.i = lastOfFirstRow;
    else if (di < 0 && next.i > 0 && (next.i - 1) % across > 0)
        next.i -= 1;
    else if (di > 0 && next.i > 0 && next.i == lastOfFirstRow)
        next.i = 0;
    else if (di > 0 && next.i > 0 && (next.i - 1) % across + 1 < across && next.i < n)
        next.i += 1;
    if (dRow != 0 && next.i > 0 && next.i + dRow * across >= 1 && next.i + dRow * across <= n)
        next.i += dRow * across;
    current = next;
    const QRect shownCell = current.i == 0 ? thresholdRect(current.k) : cellRect(current.k, current.i);
    emit cellDescribed(currentDescription());
    setAccessibleDescription(currentDescription());
    update();
    // Inside a scroll area, the area follows the cell.
    if (auto* area = qobject_cast<QScrollArea*>(parentWidget() ? parentWidget()->parentWidget() : nullptr))
        area->ensureVisible(shownCell.center().x(), shownCell.center().y(), cell * 2, cell * 2);
}

bool WeightsView::changesPicture(const NetworkSnapshot& before, const NetworkSnapshot& after) const
{
    return NetworkPicture::changesPicture(before, after) || !SameWeights(before, after);
}

LayerCache::Key WeightsView::groundKey() const
{
    const QSize size = pictureSize();
    return {static_cast<double>(inputs()), static_cast<double>(outputs()), static_cast<double>(across),
            static_cast<double>(cell), static_cast<double>(unitsPerRow), static_cast<double>(size.width()),
            static_cast<double>(size.height()), ownRange ? 1.0 : 0.0};
}

void WeightsView::setOwnContrast(bool on)
{
    if (on == ownRange)
        return;
    ownRange = on;
    relayout();
    update();
}

double WeightsView::weightShade(long k, double w) const
{
    if (!ownRange)
        return w / scale;
    const double lo = lowest[static_cast<std::size_t>(k)];
    const double hi = highest[static_cast<std::size_t>(k)];
    const double half = (hi - lo) / 2;
    if (!(half > 0) || !std::isfinite(half))
        return 0;  // all weights alike (or not finite): one grey
    return std::clamp((w - (lo + half)) / half, -1.0, 1.0);
}

void WeightsView::drawLayers(QPainter& painter, unsigned layers) const
{
    const QSize size = pictureSize();
    painter.setFont(font());
    if (layers & Ground)
        painter.fillRect(QRect(QPoint(0, 0), size), Qt::white);
    if (outputs() < 1) {
        if (layers & Ground) {
            painter.setPen(ViewPalette::ink());
            painter.drawText(QRect(Margin, Margin, size.width() - 2 * Margin, size.height() - 2 * Margin),
                             Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap,
                             tr("The network has no weights yet: train it on the set-up page first."));
        }
        return;
    }
    drawLegend(painter, layers);
    drawUnits(painter, layers);
}

void WeightsView::drawLegend(QPainter& painter, unsigned layers) const
{
    const int barWidth = 220;
    const QRect bar(Margin, Margin + 14, barWidth, 12);
    const QRect labels(bar.left(), bar.bottom() + 1, barWidth, 14);
    painter.setPen(ViewPalette::ink());
    if (layers & Ground) {
        painter.drawText(QRect(Margin, 0, size().width(), Margin + 12), Qt::AlignLeft | Qt::AlignBottom,
                         ownRange ? tr("Weight colours, each unit on its own contrast (thresholds, the cells on "
                                       "the right, on one scale)")
                                  : tr("Weight colours (threshold: the cell on the right of each unit)"));
        for (int x = 0; x < barWidth; ++x)
            painter.fillRect(QRect(bar.left() + x, bar.top(), 1, bar.height()),
                             ViewPalette::diverging(-1.0 + 2.0 * (x + 0.5) / barWidth));
        painter.drawRect(bar.adjusted(0, 0, -1, -1));
        if (ownRange) {
            painter.drawText(labels, Qt::AlignLeft | Qt::AlignTop, tr("lowest"));
            painter.drawText(labels, Qt::AlignRight | Qt::AlignTop, tr("highest"));
        } else {
            painter.drawText(labels, Qt::AlignHCenter | Qt::AlignTop, number(0));
        }
        painter.drawText(QRect(bar.right() + 12, bar.top() - 2, 400, 18), Qt::AlignLeft | Qt::AlignVCenter,
                         ownRange ? tr("dark: the unit's lowest weight, light: its highest")
                                  : tr("dark: negative, grey: near 0, light: positive"));
    }
    if ((layers & Live) && !ownRange) {
        // The scale's ends follow the largest weight, which a run keeps changing.
        painter.drawText(labels, Qt::AlignLeft | Qt::AlignTop, QStringLiteral("-") + statusNumber(scale));
        painter.drawText(labels, Qt::AlignRight | Qt::AlignTop, QStringLiteral("+") + statusNumber(scale));
    }
}

void WeightsView::drawUnits(QPainter& painter, unsigned layers) const
{
    const long n = inputs();
    const int rows = static_cast<int>((n + across - 1) / across);
    const int columns = static_cast<int>(std::min<long>(across, n));
    for (long k = 1; k <= outputs(); ++k) {
        const QRect threshold = thresholdRect(k);
        if (layers & Ground) {
            // Captions and frames; the frames lie around the cells, not on them.
            const QPoint origin = unitOrigin(k);
            painter.setPen(ViewPalette::ink());
            painter.drawText(QRect(origin.x(), origin.y() - CaptionHeight, blockWidth, CaptionHeight),
                             Qt::AlignLeft | Qt::AlignVCenter, tr("Output %1").arg(k));
            painter.setBrush(Qt::NoBrush);
            painter.drawRect(threshold.adjusted(0, 0, -1, -1));
            if (n > 0) {
                painter.setPen(QColor(0, 0, 0, 90));
                painter.drawRect(QRect(cellRect(k, 1).topLeft(), QSize(columns * cell, rows * cell)).adjusted(-1, -1, 0, 0));
            }
        }
        if (layers & Live) {
            for (long i = 1; i <= n; ++i)
                painter.fillRect(cellFill(i, cellRect(k, i)), ViewPalette::diverging(weightShade(k, shown->Weights(i, k))));
            // Inside the threshold's frame.
            painter.fillRect(threshold.adjusted(1, 1, -1, -1),
                             ViewPalette::diverging(shown->Thresholds[static_cast<std::size_t>(k)] / scale));
        }
    }
    if ((layers & Live) && hasFocus() && current.i >= 0) {
        const QRect focus = current.i == 0 ? thresholdRect(current.k) : cellRect(current.k, current.i);
        painter.setPen(QPen(ViewPalette::missRing(), 2));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(focus.adjusted(-1, -1, 0, 0));
    }
}

}  // namespace vantorelle
