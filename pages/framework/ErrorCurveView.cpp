#include "ErrorCurveView.h"

#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <cmath>

namespace vantorelle {

namespace {

constexpr int PlotLeft = 78;
constexpr int PlotTop = 30;
constexpr int PlotRight = 20;
constexpr int BelowPlot = 50;
// Up to this many points each gets a dot of its own.
constexpr std::size_t DottedPoints = 60;

}  // namespace

ErrorCurveView::ErrorCurveView(QWidget* parent) : NetworkPicture(parent) {}

void ErrorCurveView::setLogScale(bool on)
{
    logarithmic = on;
    computeRange();
    update();
}

void ErrorCurveView::snapshotChanged() { computeRange(); }

std::vector<HistoryRow> ErrorCurveView::points() const
{
    if (!shown)
        return {};
    std::vector<HistoryRow> rows = shown->History;
    const double latest = static_cast<double>(shown->EpochCount);
    if (shown->duringRun && (rows.empty() || latest > rows.back().Epochs))
        rows.push_back({latest, shown->TotalSSE});
    return rows;
}

void ErrorCurveView::computeRange()
{
    const std::vector<HistoryRow> rows = points();
    const double criterion = shown && shown->patterns ? shown->patterns->MinError : 0;
    lastEpoch = 1;
    double largest = std::isfinite(criterion) ? std::max(criterion, 0.0) : 0.0;
    double smallestPositive = criterion > 0 && std::isfinite(criterion) ? criterion : INFINITY;
    for (const HistoryRow& row : rows) {
        if (std::isfinite(row.Epochs))
            lastEpoch = std::max(lastEpoch, row.Epochs);
        if (!std::isfinite(row.SSE))
            continue;
        largest = std::max(largest, row.SSE);
        if (row.SSE > 0)
            smallestPositive = std::min(smallestPositive, row.SSE);
    }
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

double ErrorCurveView::yFraction(double sse) const
{
    double f = 0;
    if (logarithmic)
        f = sse > 0 ? (std::log10(sse) - std::log10(low)) / (std::log10(high) - std::log10(low)) : 0;
    else
        f = (sse - low) / (high - low);
    return std::isfinite(f) ? std::clamp(f, 0.0, 1.0) : 1.0;
}

QPointF ErrorCurveView::toPixel(double epochs, double sse) const
{
    const QRect plot = plotRect();
    return QPointF(plot.left() + epochs / lastEpoch * plot.width(), plot.bottom() + 1 - yFraction(sse) * plot.height());
}

void ErrorCurveView::draw(QPainter& painter) const
{
    painter.fillRect(QRect(QPoint(0, 0), pictureSize()), Qt::white);
    painter.setFont(font());
    painter.setPen(ViewPalette::ink());
    const std::vector<HistoryRow> rows = points();
    if (rows.empty()) {
        painter.drawText(rect().adjusted(12, 12, -12, -12), Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap,
                         tr("No error has been recorded yet: train the network on the set-up page first."));
        return;
    }
    const QRect plot = plotRect();
    const QFontMetrics metrics(font());
    painter.drawText(QRect(PlotLeft, 4, plot.width(), PlotTop - 8), Qt::AlignLeft | Qt::AlignVCenter,
                     tr("Total SSE after %1 epochs: %2")
                         .arg(QString::fromStdString(FormatWhole(static_cast<long long>(rows.back().Epochs))))
                         .arg(statusNumber(rows.back().SSE)));

    // Grid and ticks.
    std::vector<double> yTicks;
    if (logarithmic) {
        const int decades = static_cast<int>(std::lround(std::log10(high / low)));
        const int every = std::max(1, (decades + 7) / 8);
        for (int d = 0; d <= decades; d += every)
            yTicks.push_back(low * std::pow(10.0, d));
    } else {
        yTicks = NiceTicks(low, high, 5);
    }
    for (double y : yTicks) {
        const int py = static_cast<int>(std::lround(toPixel(0, y).y()));
        painter.setPen(QColor(225, 225, 225));
        painter.drawLine(plot.left(), py, plot.right(), py);
        painter.setPen(ViewPalette::ink());
        painter.drawLine(plot.left() - 4, py, plot.left(), py);
        painter.drawText(QRect(0, py - metrics.height() / 2, plot.left() - 7, metrics.height()),
                         Qt::AlignRight | Qt::AlignVCenter, number(y));
    }
    for (double x : NiceTicks(0, lastEpoch, 8)) {
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

    // The hit criterion.
    const double criterion = shown->patterns ? shown->patterns->MinError : 0;
    if (criterion > 0 && criterion >= low && criterion <= high) {
        const double py = toPixel(0, criterion).y();
        painter.setPen(QPen(ViewPalette::criterion(), 2, Qt::DashLine));
        painter.drawLine(QPointF(plot.left(), py), QPointF(plot.right(), py));
        painter.drawText(QRect(plot.left() + 6, static_cast<int>(py) - metrics.height() - 2, plot.width() - 12,
                               metrics.height()),
                         Qt::AlignRight | Qt::AlignBottom,
                         tr("hit criterion %1: below it every response is a hit").arg(number(criterion)));
    }

    // The curve.
    painter.save();
    painter.setClipRect(plot.adjusted(-4, -4, 4, 4));
    painter.setRenderHint(QPainter::Antialiasing, true);
    QPainterPath path;
    for (std::size_t r = 0; r < rows.size(); ++r) {
        const QPointF at = toPixel(rows[r].Epochs, rows[r].SSE);
        if (r == 0)
            path.moveTo(at);
        else
            path.lineTo(at);
    }
    painter.setPen(QPen(ViewPalette::curve(), 2));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(path);
    if (rows.size() <= DottedPoints) {
        painter.setBrush(ViewPalette::curve());
        for (const HistoryRow& row : rows)
            painter.drawEllipse(toPixel(row.Epochs, row.SSE), 3, 3);
    }
    painter.restore();
}

}  // namespace vantorelle
