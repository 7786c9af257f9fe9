// SPDX-License-Identifier: GPL-3.0-or-later
#include "ErrorCurveView.h"

#include <QPainter>
#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <cstring>

#include "HistoryTable.h"

namespace vantorelle {

namespace {

constexpr int PlotLeft = 78;
constexpr int PlotTop = 30;
constexpr int PlotRight = 20;
constexpr int BelowPlot = 50;
// Up to this many points each gets a dot of its own.
constexpr std::size_t DottedPoints = 60;
// The logarithmic scale's line for 0 lies this far below the lowest decade.
constexpr double ZeroLinePixels = 22;

// The smallest of 1, 2 or 5 times a power of ten that is at least value (at least 1).
double RoundNumberAbove(double value)
{
    if (!(value > 1) || !std::isfinite(value))
        return 1;
    const double magnitude = std::pow(10.0, std::floor(std::log10(value)));
    for (double factor : {1.0, 2.0, 5.0, 10.0}) {
        if (magnitude * factor >= value)
            return magnitude * factor;
    }
    return magnitude * 10;
}

}  // namespace

ErrorCurveView::ErrorCurveView(QWidget* parent) : NetworkPicture(parent)
{
    // A screen reader reads the points the curve joins as a table.
    readAsHistoryTable(this, [this] { return points(); }, [this] { return locale; });
}

void ErrorCurveView::setLogScale(bool on)
{
    logarithmic = on;
    computeRange();
    update();
}

void ErrorCurveView::snapshotChanged() { computeRange(); }

bool ErrorCurveView::changesPicture(const NetworkSnapshot& before, const NetworkSnapshot& after) const
{
    if (NetworkPicture::changesPicture(before, after) || before.History.size() != after.History.size() ||
        before.EpochCount != after.EpochCount ||
        std::memcmp(&before.TotalSSE, &after.TotalSSE, sizeof(double)) != 0)
        return true;
    // Rows are only ever added during a run; a new run brings new patterns.
    return !before.History.empty() &&
           std::memcmp(&before.History.back(), &after.History.back(), sizeof(HistoryRow)) != 0;
}

std::size_t ErrorCurveView::pointCount() const
{
    if (!shown)
        return 0;
    const std::vector<HistoryRow>& rows = shown->History;
    // Once the history is full nothing after its last row is kept, and the
    // latest measurement would stretch the axis far past the recorded curve.
    const bool latest = shown->duringRun && rows.size() < static_cast<std::size_t>(MaxHistoryRows) &&
                        (rows.empty() || static_cast<double>(shown->EpochCount) > rows.back().Epochs);
    return rows.size() + (latest ? 1 : 0);
}

HistoryRow ErrorCurveView::pointAt(std::size_t r) const
{
    if (r < shown->History.size())
        return shown->History[r];
    return {static_cast<double>(shown->EpochCount), shown->TotalSSE};
}

std::vector<HistoryRow> ErrorCurveView::points() const
{
    std::vector<HistoryRow> rows;
    for (std::size_t r = 0; r < pointCount(); ++r)
        rows.push_back(pointAt(r));
    return rows;
}

void ErrorCurveView::computeRange()
{
    const std::size_t count = pointCount();
    lastEpoch = 1;
    double largest = 0;
    double smallestPositive = INFINITY;
    bool zeroSeen = false;
    for (std::size_t r = 0; r < count; ++r) {
        const HistoryRow row = pointAt(r);
        if (std::isfinite(row.Epochs))
            lastEpoch = std::max(lastEpoch, row.Epochs);
        if (!std::isfinite(row.SSE))
            continue;
        largest = std::max(largest, row.SSE);
        if (row.SSE > 0)
            smallestPositive = std::min(smallestPositive, row.SSE);
        else
            zeroSeen = true;
    }
    zeroLine = logarithmic && zeroSeen;
    if (shown && shown->duringRun)
        lastEpoch = RoundNumberAbove(lastEpoch);
    if (logarithmic) {
        if (!std::isfinite(smallestPositive))
            smallestPositive = largest > 0 ? largest : 1;
        low = std::pow(10.0, std::floor(std::log10(smallestPositive)));
        high = std::pow(10.0, std::ceil(std::log10(std::max(largest, smallestPositive))));
        if (!(high > low))
            high = low * 10;
    } else {
        low = 0;
        const std::vector<double> ticks = NiceTicks(0, largest > 0 ? largest : 1, 5);
        high = ticks.empty() ? 1 : ticks.back();
        // The top tick may fall short of the largest value: go one step further.
        if (ticks.size() >= 2 && high < largest)
            high += ticks[1] - ticks[0];
    }
}

QRect ErrorCurveView::plotRect() const
{
    return QRect(PlotLeft, PlotTop, std::max(40, width() - PlotLeft - PlotRight),
                 std::max(40, height() - PlotTop - BelowPlot));
}

double ErrorCurveView::zeroLineShare() const
{
    return zeroLine ? std::min(0.25, ZeroLinePixels / plotRect().height()) : 0.0;
}

double ErrorCurveView::yFraction(double sse) const
{
    if (!std::isfinite(sse))
        return 1.0;
    double f = 0;
    if (logarithmic) {
        const double zero = zeroLineShare();
        f = sse > 0 ? zero + (1 - zero) * (std::log10(sse) - std::log10(low)) / (std::log10(high) - std::log10(low))
                    : 0;
    } else {
        f = (sse - low) / (high - low);
    }
    return std::isfinite(f) ? std::clamp(f, 0.0, 1.0) : 1.0;
}

std::vector<double> ErrorCurveView::epochTicks() const { return NiceTicks(0, lastEpoch, 8, 1.0); }

std::vector<double> ErrorCurveView::sseTicks() const
{
    if (!logarithmic)
        return NiceTicks(low, high, 5);
    std::vector<double> ticks;
    if (zeroLine)
        ticks.push_back(0);
    const int decades = static_cast<int>(std::lround(std::log10(high / low)));
    const int every = std::max(1, (decades + 7) / 8);
    for (int d = 0; d <= decades; d += every)
        ticks.push_back(low * std::pow(10.0, d));
    return ticks;
}

QString ErrorCurveView::keptPointsNote(long long kept, long long dropped)
{
    return tr("Showing the first %1 recorded points of %2")
        .arg(QString::fromStdString(FormatWhole(kept)), QString::fromStdString(FormatWhole(kept + dropped)));
}

QString ErrorCurveView::droppedNote() const
{
    if (!shown || shown->RecordsDropped <= 0)
        return {};
    return keptPointsNote(static_cast<long long>(shown->History.size()), shown->RecordsDropped);
}

QPointF ErrorCurveView::toPixel(double epochs, double sse) const
{
    const QRect plot = plotRect();
    return QPointF(plot.left() + epochs / lastEpoch * plot.width(), plot.bottom() + 1 - yFraction(sse) * plot.height());
}

QPolygonF ErrorCurveView::curvePoints(qreal ratio, std::size_t from, std::size_t to) const
{
    QPolygonF drawn;
    const std::size_t count = std::min(to, pointCount());
    // Indices of the current column's first, lowest, highest and last point.
    std::array<std::size_t, 4> kept{};
    double lowest = 0, highest = 0;
    long long column = 0;
    auto flush = [&] {
        std::array<std::size_t, 4> order = kept;
        std::sort(order.begin(), order.end());
        for (std::size_t k = 0; k < order.size(); ++k) {
            if (k == 0 || order[k] != order[k - 1]) {
                const HistoryRow row = pointAt(order[k]);
                drawn << toPixel(row.Epochs, row.SSE);
            }
        }
    };
    for (std::size_t r = from; r < count; ++r) {
        const HistoryRow row = pointAt(r);
        const QPointF at = toPixel(row.Epochs, row.SSE);
        const long long here = static_cast<long long>(std::floor(at.x() * ratio));
        if (r == from || here != column) {
            if (r > from)
                flush();
            column = here;
            kept = {r, r, r, r};
            lowest = highest = at.y();
            continue;
        }
        if (at.y() > lowest) {
            lowest = at.y();
            kept[1] = r;
        }
        if (at.y() < highest) {
            highest = at.y();
            kept[2] = r;
        }
        kept[3] = r;
    }
    if (count > from)
        flush();
    return drawn;
}

void ErrorCurveView::drawCurve(QPainter& painter, std::size_t from, std::size_t to) const
{
    painter.save();
    painter.setClipRect(plotRect().adjusted(-4, -4, 4, 4));
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setPen(QPen(ViewPalette::curve(), 2));
    painter.setBrush(Qt::NoBrush);
    painter.drawPolyline(curvePoints(devicePixelRatioF(), from, to));
    painter.restore();
}

void ErrorCurveView::extendGround(QPixmap& layer) const
{
    const std::size_t rows = shown ? shown->History.size() : 0;
    if (rows <= groundRows)
        return;
    QPainter painter(&layer);
    drawCurve(painter, groundRows > 0 ? groundRows - 1 : 0, rows);
    groundRows = rows;
}

QRegion ErrorCurveView::repaintRegion(const NetworkSnapshot* before) const
{
    // While the axes stay, a run's snapshot changes the title and the stretch
    // from the last row in the ground to the latest measurement (the new rows
    // go into the ground): the rest of the picture need not be copied again.
    const std::size_t count = pointCount();
    if (!before || before->patterns != shown->patterns || !before->duringRun || !shown->duringRun || groundRows == 0 ||
        groundRows > count || !groundKept())
        return rect();
    double lowX = INFINITY, highX = -INFINITY, lowY = INFINITY, highY = -INFINITY;
    auto include = [&](double epochs, double sse) {
        const QPointF at = toPixel(epochs, sse);
        lowX = std::min(lowX, at.x());
        highX = std::max(highX, at.x());
        lowY = std::min(lowY, at.y());
        highY = std::max(highY, at.y());
    };
    include(static_cast<double>(before->EpochCount), before->TotalSSE);  // where the last stretch ended
    for (std::size_t r = groundRows - 1; r < count; ++r) {
        const HistoryRow row = pointAt(r);
        include(row.Epochs, row.SSE);
    }
    if (!std::isfinite(lowX) || !std::isfinite(lowY) || !std::isfinite(highX) || !std::isfinite(highY))
        return rect();
    // Room for the pen, its smoothing and the dots.
    constexpr int Room = 6;
    const QRect stretch = QRectF(QPointF(lowX, lowY), QPointF(highX, highY)).toAlignedRect().adjusted(-Room, -Room, Room, Room);
    const QRect title(PlotLeft, 0, plotRect().width(), PlotTop);
    return QRegion(stretch) + QRegion(title);
}

LayerCache::Key ErrorCurveView::groundKey() const
{
    const QRect plot = plotRect();
    // The rows the ground holds belong to one history: a run's snapshots share
    // their patterns, and any other snapshot brings patterns of its own (the
    // ground keeps its own alive, so no other can come at the same address).
    const auto history = static_cast<double>(reinterpret_cast<std::uintptr_t>(shown ? shown->patterns.get() : nullptr));
    return {pointCount() > 0 ? 1.0 : 0.0, logarithmic ? 1.0 : 0.0, lastEpoch, low, high, zeroLine ? 1.0 : 0.0,
            static_cast<double>(plot.width()), static_cast<double>(plot.height()), history};
}

void ErrorCurveView::drawLayers(QPainter& painter, unsigned layers) const
{
    painter.setFont(font());
    painter.setPen(ViewPalette::ink());
    if (layers & Ground)
        painter.fillRect(QRect(QPoint(0, 0), pictureSize()), Qt::white);
    const std::size_t count = pointCount();
    if (count == 0) {
        if (layers & Ground)
            painter.drawText(rect().adjusted(12, 12, -12, -12), Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap,
                             tr("No error has been recorded yet: train the network on the set-up page first."));
        return;
    }
    const bool onScreen = layers & OnScreen;
    if (layers & Ground) {
        drawAxes(painter);
        if (onScreen) {
            groundPatterns = shown->patterns;
            groundRows = shown->History.size();
            drawCurve(painter, 0, groundRows);
        }
    }
    if (!(layers & Live))
        return;
    const QRect plot = plotRect();
    const HistoryRow last = pointAt(count - 1);
    painter.setPen(ViewPalette::ink());
    const QRect titleLine(PlotLeft, 4, plot.width(), PlotTop - 8);
    painter.drawText(titleLine, Qt::AlignLeft | Qt::AlignVCenter,
                     tr("Total SSE after %1 epochs: %2")
                         .arg(QString::fromStdString(FormatWhole(static_cast<long long>(last.Epochs))))
                         .arg(statusNumber(last.SSE)));
    painter.drawText(titleLine, Qt::AlignRight | Qt::AlignVCenter, droppedNote());

    // The curve, on screen from the last row the ground holds.
    drawCurve(painter, onScreen && groundRows > 0 ? groundRows - 1 : 0, count);
    painter.save();
    painter.setClipRect(plot.adjusted(-4, -4, 4, 4));
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setPen(QPen(ViewPalette::curve(), 2));
    if (count <= DottedPoints) {
        painter.setBrush(ViewPalette::curve());
        for (std::size_t r = 0; r < count; ++r) {
            const HistoryRow row = pointAt(r);
            painter.drawEllipse(toPixel(row.Epochs, row.SSE), 3, 3);
        }
    }
    painter.restore();
}

void ErrorCurveView::drawAxes(QPainter& painter) const
{
    const QRect plot = plotRect();
    const QFontMetrics metrics(font());
    // Grid and ticks.
    for (double y : sseTicks()) {
        const int py = static_cast<int>(std::lround(toPixel(0, y).y()));
        painter.setPen(QColor(225, 225, 225));
        painter.drawLine(plot.left(), py, plot.right(), py);
        painter.setPen(ViewPalette::ink());
        painter.drawLine(plot.left() - 4, py, plot.left(), py);
        painter.drawText(QRect(0, py - metrics.height() / 2, plot.left() - 7, metrics.height()),
                         Qt::AlignRight | Qt::AlignVCenter, number(y));
    }
    for (double x : epochTicks()) {
        const int px = static_cast<int>(std::lround(toPixel(x, low).x()));
        painter.setPen(ViewPalette::ink());
        painter.drawLine(px, plot.bottom(), px, plot.bottom() + 4);
        painter.drawText(QRect(px - 50, plot.bottom() + 5, 100, metrics.height()), Qt::AlignHCenter, number(x));
    }
    painter.drawText(QRect(plot.left(), plot.bottom() + 6 + metrics.height(), plot.width(), metrics.height()),
                     Qt::AlignHCenter, tr("Epochs"));
    painter.save();
    painter.translate(12, plot.center().y());
    painter.rotate(-90);
    painter.drawText(QRect(-plot.height() / 2, -metrics.height() / 2, plot.height(), metrics.height()),
                     Qt::AlignHCenter, tr("Total SSE"));
    painter.restore();
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(plot.adjusted(0, 0, -1, -1));

    if (zeroLine)
        drawZeroBreak(painter);
}

void ErrorCurveView::drawZeroBreak(QPainter& painter) const
{
    // Two short strokes across the axis between the line for 0 and the lowest decade.
    const QRect plot = plotRect();
    const double zero = toPixel(0, 0).y();
    const double lowest = toPixel(0, low).y();
    const QPointF middle(plot.left(), (zero + lowest) / 2);
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.fillRect(QRectF(middle.x() - 6, middle.y() - 3, 12, 6), Qt::white);
    painter.setPen(QPen(ViewPalette::ink(), 1));
    for (double dy : {-3.0, 3.0})
        painter.drawLine(middle + QPointF(-6, dy + 2), middle + QPointF(6, dy - 2));
    painter.restore();
}

}  // namespace vantorelle
