// SPDX-License-Identifier: GPL-3.0-or-later
#include "RunCurvesView.h"

#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <cmath>

#include "NetworkPicture.h"

namespace vantorelle {

namespace {

constexpr int LeftMargin = 72;
constexpr int RightMargin = 16;
constexpr int TopMargin = 12;
constexpr int BottomMargin = 44;
// The logarithmic scale's line for 0 lies this far below the lowest decade.
constexpr double ZeroLinePixels = 22;
constexpr int MarkersPerCurve = 6;
constexpr double MarkerRadius = 4.5;

void DrawMarker(QPainter& painter, ViewPalette::MarkerShape shape, QPointF at, double r)
{
    using ViewPalette::MarkerShape;
    QPainterPath path;
    switch (shape) {
    case MarkerShape::Circle: path.addEllipse(at, r, r); break;
    case MarkerShape::Square: path.addRect(QRectF(at.x() - r, at.y() - r, 2 * r, 2 * r)); break;
    case MarkerShape::Triangle:
        path.addPolygon(QPolygonF({at + QPointF(0, -r), at + QPointF(r, r), at + QPointF(-r, r), at + QPointF(0, -r)}));
        break;
    case MarkerShape::InvertedTriangle:
        path.addPolygon(QPolygonF({at + QPointF(0, r), at + QPointF(r, -r), at + QPointF(-r, -r), at + QPointF(0, r)}));
        break;
    case MarkerShape::Diamond:
        path.addPolygon(QPolygonF({at + QPointF(0, -r), at + QPointF(r, 0), at + QPointF(0, r), at + QPointF(-r, 0),
                                   at + QPointF(0, -r)}));
        break;
    case MarkerShape::Cross:
        path.moveTo(at + QPointF(-r, -r));
        path.lineTo(at + QPointF(r, r));
        path.moveTo(at + QPointF(-r, r));
        path.lineTo(at + QPointF(r, -r));
        break;
    case MarkerShape::Plus:
        path.moveTo(at + QPointF(-r, 0));
        path.lineTo(at + QPointF(r, 0));
        path.moveTo(at + QPointF(0, -r));
        path.lineTo(at + QPointF(0, r));
        break;
    case MarkerShape::Star:
        for (int i = 0; i < 3; ++i) {
            const double a = M_PI / 2 + i * M_PI / 3;
            path.moveTo(at + QPointF(r * std::cos(a), -r * std::sin(a)));
            path.lineTo(at - QPointF(r * std::cos(a), -r * std::sin(a)));
        }
        break;
    }
    const bool open = shape == MarkerShape::Cross || shape == MarkerShape::Plus || shape == MarkerShape::Star;
    painter.save();
    painter.setPen(QPen(painter.pen().color(), 1.6, Qt::SolidLine));
    painter.setBrush(open ? Qt::NoBrush : QBrush(painter.pen().color()));
    painter.drawPath(path);
    painter.restore();
}

QPen SeriesPen(int index)
{
    QPen pen(ViewPalette::seriesColour(index), 2, ViewPalette::seriesLineStyle(index));
    pen.setCapStyle(Qt::FlatCap);
    return pen;
}

}  // namespace

RunCurvesView::RunCurvesView(QWidget* parent) : QWidget(parent)
{
    setMinimumSize(360, 240);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void RunCurvesView::setSeries(std::vector<CurveSeries> series)
{
    shown = std::move(series);
    computeRange();
    update();
}

void RunCurvesView::setLogScale(bool on)
{
    logarithmic = on;
    computeRange();
    update();
}

void RunCurvesView::setNumberLocale(const NumberLocale& locale)
{
    numbers = locale;
    update();
}

void RunCurvesView::computeRange()
{
    maxEpochs = 1;
    double maxSSE = 0;
    smallestPositive = 0;
    for (const CurveSeries& s : shown) {
        for (const HistoryRow& p : s.points) {
            if (!std::isfinite(p.SSE))
                continue;
            maxEpochs = std::max(maxEpochs, p.Epochs);
            maxSSE = std::max(maxSSE, p.SSE);
            if (p.SSE > 0 && (smallestPositive == 0 || p.SSE < smallestPositive))
                smallestPositive = p.SSE;
        }
    }
    if (logarithmic) {
        if (smallestPositive == 0)
            smallestPositive = 1;
        low = std::floor(std::log10(smallestPositive));
        high = std::max(low + 1, std::ceil(std::log10(std::max(maxSSE, smallestPositive))));
    } else {
        low = 0;
        const std::vector<double> ticks = NiceTicks(0, maxSSE > 0 ? maxSSE : 1, 6);
        high = ticks.empty() ? 1 : std::max(ticks.back(), maxSSE > 0 ? maxSSE : 1);
    }
}

double RunCurvesView::scaled(double sse) const { return logarithmic ? std::log10(sse) : sse; }

QRect RunCurvesView::plotRect() const
{
    return QRect(LeftMargin, TopMargin, std::max(10, width() - LeftMargin - RightMargin),
                 std::max(10, height() - TopMargin - BottomMargin));
}

QPointF RunCurvesView::toPixel(double epochs, double sse) const
{
    const QRectF plot = plotRect();
    const double x = plot.left() + epochs / maxEpochs * plot.width();
    const double bottom = logarithmic ? plot.bottom() - ZeroLinePixels : plot.bottom();
    if (logarithmic && sse <= 0)
        return {x, plot.bottom()};
    const double t = (scaled(sse) - low) / (high - low);
    return {x, bottom - t * (bottom - plot.top())};
}

void RunCurvesView::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    draw(painter);
}

void RunCurvesView::draw(QPainter& painter) const
{
    painter.fillRect(rect(), Qt::white);
    painter.setRenderHint(QPainter::Antialiasing);
    drawAxes(painter);
    drawCurves(painter);
    drawLegend(painter);
}

void RunCurvesView::drawAxes(QPainter& painter) const
{
    const QRect plot = plotRect();
    painter.setPen(QPen(ViewPalette::ink(), 1));
    painter.drawRect(plot);
    const QFontMetrics metrics(painter.font());
    for (double t : NiceTicks(0, maxEpochs, 8, 1)) {
        const double x = toPixel(t, 0).x();
        painter.drawLine(QPointF(x, plot.bottom()), QPointF(x, plot.bottom() + 4));
        const QString text = QString::fromStdString(FormatGeneral(t, numbers));
        painter.drawText(QRectF(x - 40, plot.bottom() + 5, 80, metrics.height()), Qt::AlignHCenter, text);
    }
    painter.drawText(QRectF(plot.left(), plot.bottom() + 6 + metrics.height(), plot.width(), metrics.height()),
                     Qt::AlignHCenter, tr("Epochs"));
    std::vector<double> values;
    if (logarithmic) {
        for (double d = low; d <= high; d += 1)
            values.push_back(std::pow(10.0, d));
        values.push_back(0);
    } else {
        values = NiceTicks(low, high, 6);
    }
    for (double v : values) {
        const double y = toPixel(0, v).y();
        painter.drawLine(QPointF(plot.left() - 4, y), QPointF(plot.left(), y));
        const QString text = QString::fromStdString(logarithmic && v > 0 ? FormatScientific(v, numbers)
                                                                          : FormatGeneral(v, numbers));
        painter.drawText(QRectF(0, y - metrics.height() / 2.0, plot.left() - 6, metrics.height()),
                         Qt::AlignRight | Qt::AlignVCenter, text);
    }
    painter.save();
    painter.translate(12, plot.center().y());
    painter.rotate(-90);
    painter.drawText(QRectF(-60, -8, 120, 16), Qt::AlignCenter, tr("Total SSE"));
    painter.restore();
}

void RunCurvesView::drawCurves(QPainter& painter) const
{
    const QRect plot = plotRect();
    painter.save();
    painter.setClipRect(plot.adjusted(-6, -6, 6, 6));
    for (std::size_t i = 0; i < shown.size(); ++i) {
        const std::vector<HistoryRow>& points = shown[i].points;
        // Many epochs fall on one pixel column: its lowest and highest points
        // and its last keep the curve's look at a fraction of the lines.
        QPolygonF line;
        long column = -1;
        double lowY = 0, highY = 0;
        QPointF last;
        auto flush = [&] {
            if (column < 0)
                return;
            line << QPointF(last.x(), lowY) << QPointF(last.x(), highY) << last;
        };
        for (const HistoryRow& p : points) {
            if (!std::isfinite(p.SSE))
                continue;
            const QPointF at = toPixel(p.Epochs, p.SSE);
            const auto x = static_cast<long>(std::floor(at.x()));
            if (x != column) {
                flush();
                column = x;
                lowY = highY = at.y();
                if (line.isEmpty())
                    line << at;
            }
            lowY = std::min(lowY, at.y());
            highY = std::max(highY, at.y());
            last = at;
        }
        flush();
        const int index = static_cast<int>(i);
        painter.setPen(SeriesPen(index));
        painter.drawPolyline(line);
        if (points.empty())
            continue;
        // Markers spread along the curve, each run's a little apart from the others'.
        painter.setPen(QPen(ViewPalette::seriesColour(index)));
        const double shift = (index + 1.0) / (static_cast<double>(shown.size()) + 1.0);
        for (int m = 0; m < MarkersPerCurve; ++m) {
            const double epochs = (m + shift) / MarkersPerCurve * maxEpochs;
            auto found = std::lower_bound(points.begin(), points.end(), epochs,
                                          [](const HistoryRow& row, double e) { return row.Epochs < e; });
            if (found == points.end())
                break;
            if (std::isfinite(found->SSE))
                DrawMarker(painter, ViewPalette::seriesMarker(index), toPixel(found->Epochs, found->SSE), MarkerRadius);
        }
    }
    painter.restore();
}

void RunCurvesView::drawLegend(QPainter& painter) const
{
    if (shown.empty())
        return;
    const QFontMetrics metrics(painter.font());
    const int rowHeight = metrics.height() + 4;
    int textWidth = 0;
    for (const CurveSeries& s : shown)
        textWidth = std::max(textWidth, metrics.horizontalAdvance(s.label));
    const QRect plot = plotRect();
    const int width = std::min(plot.width() - 8, textWidth + 56);
    const QRect box(plot.right() - width - 4, plot.top() + 4, width, rowHeight * static_cast<int>(shown.size()) + 6);
    painter.setPen(QPen(ViewPalette::ink(), 1));
    painter.setBrush(QColor(255, 255, 255, 230));
    painter.drawRect(box);
    for (std::size_t i = 0; i < shown.size(); ++i) {
        const int index = static_cast<int>(i);
        const double y = box.top() + 3 + rowHeight * (index + 0.5);
        painter.setPen(SeriesPen(index));
        painter.drawLine(QPointF(box.left() + 6, y), QPointF(box.left() + 40, y));
        painter.setPen(QPen(ViewPalette::seriesColour(index)));
        DrawMarker(painter, ViewPalette::seriesMarker(index), QPointF(box.left() + 23, y), MarkerRadius);
        painter.setPen(QPen(ViewPalette::ink()));
        const QString text = metrics.elidedText(shown[i].label, Qt::ElideRight, box.width() - 52);
        painter.drawText(QRectF(box.left() + 48, y - rowHeight / 2.0, box.width() - 52, rowHeight),
                         Qt::AlignLeft | Qt::AlignVCenter, text);
    }
}

}  // namespace vantorelle
