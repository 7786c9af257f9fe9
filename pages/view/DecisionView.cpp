// SPDX-License-Identifier: GPL-3.0-or-later
#include "DecisionView.h"

#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <cstring>

#include "Response.h"

namespace vantorelle {

namespace {

constexpr int PlotLeft = 58;
constexpr int PlotTop = 12;
constexpr int BelowPlot = 46;
constexpr int LegendWidth = 230;
constexpr int MarkerRadius = 7;
constexpr int MissRadius = 12;
// Room around the patterns, as a share of their spread on each input.
constexpr double RangeMargin = 0.15;

QString KindText(UnitKind kind)
{
    switch (kind) {
    case UnitKind::IntDev: return DecisionView::tr("sigmoid unit (Gradient rule)");
    case UnitKind::Value: return DecisionView::tr("Gaussian unit (Tarvik rule)");
    default: return DecisionView::tr("step unit (Delta rule)");
    }
}

}  // namespace

DecisionView::DecisionView(QWidget* parent) : NetworkPicture(parent) {}

void DecisionView::setUnit(long k)
{
    shownUnit = std::max(1L, k);
    update();
}

QString DecisionView::refusalFor(long numInputs)
{
    const QString count = numInputs == 1 ? tr("1 input") : tr("%1 inputs").arg(numInputs);
    return tr("The decision plane is drawn for networks with exactly two inputs, one along each side of the "
              "plane. This network has %1, so its patterns do not lie in such a plane; the weights show "
              "what each output unit has learned instead.")
        .arg(count);
}

QString DecisionView::refusal() const
{
    if (!shown || !shown->patterns)
        return tr("There is no network to draw yet.");
    if (shown->patterns->NumInputs != 2)
        return refusalFor(shown->patterns->NumInputs);
    if (!shown->hasWeights())
        return tr("The network has no weights yet: train it on the set-up page first.");
    return {};
}

bool DecisionView::drawable() const { return refusal().isEmpty() && shownUnit <= shown->patterns->NumOutputs; }

void DecisionView::snapshotChanged() { computeRange(); }

bool DecisionView::changesPicture(const NetworkSnapshot& before, const NetworkSnapshot& after) const
{
    return NetworkPicture::changesPicture(before, after) || !SameWeights(before, after);
}

QRegion DecisionView::repaintRegion(const NetworkSnapshot* before) const
{
    // While the axes and the legend stay, new weights change the plane and the
    // count of misses only.
    if (!before || before->patterns != shown->patterns || missesLine.isEmpty() || !drawable() || !groundKept())
        return rect();
    return QRegion(plotRect()) + QRegion(missesLine);
}

LayerCache::Key DecisionView::groundKey() const
{
    const QRect plot = plotRect();
    const bool can = drawable();
    return {can ? 1.0 : 0.0,
            shown && shown->patterns ? static_cast<double>(shown->patterns->NumInputs) : -1.0,
            shown && shown->hasWeights() ? 1.0 : 0.0,
            left, right, bottom, top,
            static_cast<double>(shownUnit),
            can ? static_cast<double>(DrawnUnitKind(shown->patterns->LearningRule)) : 0.0,
            can ? shown->patterns->MinError : 0.0,
            static_cast<double>(plot.width()), static_cast<double>(plot.height())};
}

QRect DecisionView::plotRect() const
{
    const int side = std::max(40, std::min(height() - PlotTop - BelowPlot, width() - PlotLeft - LegendWidth - 24));
    return QRect(PlotLeft, PlotTop, side, side);
}

void DecisionView::computeRange()
{
    if (!shown || !shown->patterns || shown->patterns->NumInputs != 2)
        return;
    const SnapshotPatterns& set = *shown->patterns;
    double lo1 = INFINITY, hi1 = -INFINITY, lo2 = INFINITY, hi2 = -INFINITY;
    for (long p = 1; p <= set.NumPatterns; ++p) {
        const double x1 = set.InputPatterns(p, 1);
        const double x2 = set.InputPatterns(p, 2);
        if (std::isfinite(x1)) {
            lo1 = std::min(lo1, x1);
            hi1 = std::max(hi1, x1);
        }
        if (std::isfinite(x2)) {
            lo2 = std::min(lo2, x2);
            hi2 = std::max(hi2, x2);
        }
    }
    auto widen = [](double lo, double hi, double& from, double& to) {
        if (!(lo <= hi)) {
            lo = 0;
            hi = 1;
        }
        const double margin = hi > lo ? (hi - lo) * RangeMargin : 0.5;
        from = lo - margin;
        to = hi + margin;
    };
    widen(lo1, hi1, left, right);
    widen(lo2, hi2, bottom, top);
}

QPointF PlanePixel(const QRect& plot, const PlaneRange& range, double x1, double x2)
{
    return QPointF(plot.left() + (x1 - range.left) / (range.right - range.left) * plot.width(),
                   plot.top() + (range.top - x2) / (range.top - range.bottom) * plot.height());
}

QPointF DecisionView::toPixel(double x1, double x2) const
{
    return PlanePixel(plotRect(), {left, right, bottom, top}, x1, x2);
}

double PlaneUnit::activationAt(double x1, double x2) const
{
    // The response's sums, in its order: the inputs in turn, then the threshold.
    double net = 0;
    net = x1 * w1 + net;
    net = x2 * w2 + net;
    net = threshold + net;
    return Activation(kind, net, 0.0);
}

std::vector<double> PlaneUnit::boundaryLevels() const
{
    if (kind == UnitKind::Value) {
        // exp(-pi x^2) = 1/2 where |x| = sqrt(ln 2 / pi).
        const double edge = std::sqrt(std::log(2.0) / Pi());
        return {-edge, edge};
    }
    return {0.0};
}

std::optional<QLineF> PlaneUnit::boundaryLine(double level, const PlaneRange& range) const
{
    // Where w1 x1 + w2 x2 + threshold = level, across the plane's range.
    QLineF line;
    if (std::fabs(w2) >= std::fabs(w1) && w2 != 0)
        line = QLineF(range.left, (level - threshold - w1 * range.left) / w2, range.right,
                      (level - threshold - w1 * range.right) / w2);
    else if (w1 != 0)
        line = QLineF((level - threshold - w2 * range.bottom) / w1, range.bottom,
                      (level - threshold - w2 * range.top) / w1, range.top);
    else
        return std::nullopt;  // no weights: the answer is the same everywhere
    if (!std::isfinite(line.x1()) || !std::isfinite(line.y1()) || !std::isfinite(line.x2()) || !std::isfinite(line.y2()))
        return std::nullopt;
    return line;
}

PlaneUnit PlaneUnitOf(const NetworkSnapshot& snapshot, long k)
{
    return {DrawnUnitKind(snapshot.patterns->LearningRule), snapshot.Weights(1, k), snapshot.Weights(2, k),
            snapshot.Thresholds[static_cast<std::size_t>(k)]};
}

double DecisionView::activationAt(double x1, double x2) const
{
    return PlaneUnitOf(*shown, shownUnit).activationAt(x1, x2);
}

std::vector<double> DecisionView::boundaryLevels() const
{
    if (!shown || !shown->patterns)
        return {};
    return PlaneUnit{DrawnUnitKind(shown->patterns->LearningRule)}.boundaryLevels();
}

namespace {

long ShadeLevel(double activation)
{
    return std::isfinite(activation) ? std::clamp(std::lround(activation * 255), 0L, 255L) : 0;
}

}  // namespace

QImage DecisionView::shadePlane(qreal ratio, bool exact) const
{
    const QRect plot = plotRect();
    const int w = std::max(1, static_cast<int>(std::lround(plot.width() * ratio)));
    const int h = std::max(1, static_cast<int>(std::lround(plot.height() * ratio)));
    std::array<QRgb, 256> shades;
    for (int level = 0; level < 256; ++level)
        shades[static_cast<std::size_t>(level)] = ViewPalette::shade(level / 255.0).rgb();
    QImage image(w, h, QImage::Format_RGB32);
    image.setDevicePixelRatio(ratio);
    if (!exact && shadeByTable(image, shades.data()))
        return image;
    for (int v = 0; v < h; ++v) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(v));
        const double x2 = top - (v + 0.5) / h * (top - bottom);
        for (int u = 0; u < w; ++u) {
            const double x1 = left + (u + 0.5) / w * (right - left);
            line[u] = shades[static_cast<std::size_t>(ShadeLevel(activationAt(x1, x2)))];
        }
    }
    return image;
}

bool DecisionView::shadeByTable(QImage& image, const QRgb* shades) const
{
    const int w = image.width();
    const int h = image.height();
    const long k = shownUnit;
    const double w1 = shown->Weights(1, k);
    const double w2 = shown->Weights(2, k);
    const double threshold = shown->Thresholds[static_cast<std::size_t>(k)];
    const UnitKind kind = DrawnUnitKind(shown->patterns->LearningRule);
    auto x1At = [&](int u) { return left + (u + 0.5) / w * (right - left); };
    auto x2At = [&](int v) { return top - (v + 0.5) / h * (top - bottom); };
    auto netAt = [&](int u, int v) { return x1At(u) * w1 + x2At(v) * w2 + threshold; };
    // The net input is linear across the plane: its extremes lie at the corners.
    double lo = INFINITY, hi = -INFINITY;
    for (int u : {0, w - 1}) {
        for (int v : {0, h - 1}) {
            lo = std::min(lo, netAt(u, v));
            hi = std::max(hi, netAt(u, v));
        }
    }
    if (!std::isfinite(lo) || !std::isfinite(hi))
        return false;
    const double span = hi - lo;
    std::array<QRgb, ShadeTableSize> table;
    for (int i = 0; i < ShadeTableSize; ++i) {
        const double net = lo + (i + 0.5) * span / ShadeTableSize;
        table[static_cast<std::size_t>(i)] = shades[ShadeLevel(Activation(kind, net, 0.0))];
    }
    // Table positions in fixed point, 32 bits after the point: along a row
    // they step by the same amount, so a row whose ends lie in the table lies
    // in it all along, and the pixels need no clamping.
    // A span so narrow that the positions would not fit is shaded pixel by pixel.
    constexpr double One = 4294967296.0;
    constexpr double Largest = 1e15;  // well inside 64 bits, even times the width
    constexpr std::int64_t End = (static_cast<std::int64_t>(ShadeTableSize) << 32) - 1;
    const double perNet = span > 0 ? ShadeTableSize / span : 0;
    const double acrossExactly = (x1At(1) - x1At(0)) * w1 * perNet * One;
    if (!(std::fabs(acrossExactly) < Largest))
        return false;
    const auto across = static_cast<std::int64_t>(std::llround(acrossExactly));
    for (int v = 0; v < h; ++v) {
        const double firstExactly = (netAt(0, v) - lo) * perNet * One;
        if (!(std::fabs(firstExactly) < Largest))
            return false;
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(v));
        const auto first = static_cast<std::int64_t>(std::llround(firstExactly));
        const std::int64_t last = first + across * (w - 1);
        std::int64_t at = first;
        if (std::min(first, last) >= 0 && std::max(first, last) <= End) {
            for (int u = 0; u < w; ++u, at += across)
                line[u] = table[static_cast<std::size_t>(at >> 32)];
        } else {
            for (int u = 0; u < w; ++u, at += across)
                line[u] = table[static_cast<std::size_t>(std::clamp<std::int64_t>(at, 0, End) >> 32)];
        }
    }
    return true;
}

const QImage& DecisionView::screenShading() const
{
    const long k = shownUnit;
    const QRect plot = plotRect();
    LayerCache::Key key{shown->Weights(1, k), shown->Weights(2, k), shown->Thresholds[static_cast<std::size_t>(k)],
                        static_cast<double>(k), static_cast<double>(DrawnUnitKind(shown->patterns->LearningRule)),
                        left, right, bottom, top, static_cast<double>(plot.width()),
                        static_cast<double>(plot.height()), devicePixelRatioF()};
    // Compared as bits: a NaN weight that stays is no change.
    const bool same = key.size() == shadingKey.size() && !shading.isNull() &&
                      std::memcmp(key.data(), shadingKey.data(), key.size() * sizeof(double)) == 0;
    if (!same) {
        shading = shadePlane(devicePixelRatioF(), false);
        shadingKey = std::move(key);
        ++shadingCount;
    }
    return shading;
}

void DecisionView::drawLayers(QPainter& painter, unsigned layers) const
{
    painter.setFont(font());
    painter.setPen(ViewPalette::ink());
    if (layers & Ground)
        painter.fillRect(QRect(QPoint(0, 0), pictureSize()), Qt::white);
    if (!drawable()) {
        if (layers & Ground)
            painter.drawText(rect().adjusted(12, 12, -12, -12), Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap,
                             refusal());
        return;
    }
    if (layers & Ground)
        drawAxes(painter);
    if (layers & Live) {
        painter.setRenderHint(QPainter::Antialiasing, false);
        painter.drawImage(plotRect().topLeft(),
                          (layers & OnScreen) ? screenShading() : shadePlane(devicePixelRatioF(), true));
        drawBoundary(painter);
        drawPatterns(painter);
        // The frame over the shade's edge.
        painter.setRenderHint(QPainter::Antialiasing, false);
        painter.setPen(ViewPalette::ink());
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(plotRect().adjusted(0, 0, -1, -1));
    }
    drawLegend(painter, layers);
}

void DrawPlaneAxes(QPainter& painter, const QRect& plot, const PlaneRange& range,
                   const std::function<QString(double)>& number)
{
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setPen(ViewPalette::ink());
    painter.setBrush(Qt::NoBrush);
    const QFontMetrics metrics(painter.font());
    for (double x : NiceTicks(range.left, range.right, 6)) {
        const int px = static_cast<int>(std::lround(PlanePixel(plot, range, x, 0).x()));
        painter.drawLine(px, plot.bottom(), px, plot.bottom() + 4);
        painter.drawText(QRect(px - 40, plot.bottom() + 5, 80, metrics.height()), Qt::AlignHCenter, number(x));
    }
    for (double y : NiceTicks(range.bottom, range.top, 6)) {
        const int py = static_cast<int>(std::lround(PlanePixel(plot, range, 0, y).y()));
        painter.drawLine(plot.left() - 4, py, plot.left(), py);
        painter.drawText(QRect(0, py - metrics.height() / 2, plot.left() - 7, metrics.height()),
                         Qt::AlignRight | Qt::AlignVCenter, number(y));
    }
    painter.drawText(QRect(plot.left(), plot.bottom() + 6 + metrics.height(), plot.width(), metrics.height()),
                     Qt::AlignHCenter, DecisionView::tr("Input 1"));
    painter.save();
    painter.translate(12, plot.center().y());
    painter.rotate(-90);
    painter.drawText(QRect(-plot.height() / 2, -metrics.height() / 2, plot.height(), metrics.height()),
                     Qt::AlignHCenter, DecisionView::tr("Input 2"));
    painter.restore();
}

void DecisionView::drawAxes(QPainter& painter) const
{
    DrawPlaneAxes(painter, plotRect(), {left, right, bottom, top}, [this](double value) { return number(value); });
}

void DrawPlaneBoundary(QPainter& painter, const QRect& plot, const PlaneRange& range, const PlaneUnit& unit)
{
    painter.save();
    painter.setClipRect(plot);
    painter.setRenderHint(QPainter::Antialiasing, true);
    for (double level : unit.boundaryLevels()) {
        const std::optional<QLineF> line = unit.boundaryLine(level, range);
        if (!line)
            continue;
        const QPointF from = PlanePixel(plot, range, line->x1(), line->y1());
        const QPointF to = PlanePixel(plot, range, line->x2(), line->y2());
        if (!std::isfinite(from.x()) || !std::isfinite(from.y()) || !std::isfinite(to.x()) || !std::isfinite(to.y()))
            continue;
        painter.setPen(QPen(Qt::white, 4));
        painter.drawLine(from, to);
        painter.setPen(QPen(ViewPalette::ink(), 2));
        painter.drawLine(from, to);
    }
    painter.restore();
}

void DecisionView::drawBoundary(QPainter& painter) const
{
    DrawPlaneBoundary(painter, plotRect(), {left, right, bottom, top}, PlaneUnitOf(*shown, shownUnit));
}

void DecisionView::drawPatterns(QPainter& painter) const
{
    const SnapshotPatterns& set = *shown->patterns;
    const long k = shownUnit;
    painter.save();
    painter.setClipRect(plotRect());
    painter.setRenderHint(QPainter::Antialiasing, true);
    for (long p = 1; p <= set.NumPatterns; ++p) {
        const double x1 = set.InputPatterns(p, 1);
        const double x2 = set.InputPatterns(p, 2);
        const double desired = set.DesiredOutputs(p, k);
        const double error = desired - activationAt(x1, x2);
        const QPointF at = toPixel(x1, x2);
        if (!(error * error < set.MinError)) {
            painter.setPen(QPen(ViewPalette::missRing(), 3));
            painter.setBrush(Qt::NoBrush);
            painter.drawEllipse(at, MissRadius, MissRadius);
        }
        const bool one = desired >= 0.5;
        painter.setPen(QPen(one ? Qt::white : ViewPalette::ink(), 2));
        painter.setBrush(one ? ViewPalette::ink() : QColor(Qt::white));
        painter.drawEllipse(at, MarkerRadius, MarkerRadius);
    }
    painter.restore();
}

// The ground holds all of the legend but the count of misses, which a run changes.
void DecisionView::drawLegend(QPainter& painter, unsigned layers) const
{
    const bool ground = layers & Ground;
    const SnapshotPatterns& set = *shown->patterns;
    const QRect plot = plotRect();
    const QFontMetrics metrics(font());
    const int x = plot.right() + 24;
    const int lineHeight = metrics.height() + 4;
    int y = plot.top();
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setPen(ViewPalette::ink());
    auto line = [&](const QString& text, int indent = 0) {
        if (ground)
            painter.drawText(QRect(x + indent, y, LegendWidth - indent, lineHeight),
                             Qt::AlignLeft | Qt::AlignVCenter, text);
        y += lineHeight;
    };
    const UnitKind kind = DrawnUnitKind(set.LearningRule);
    line(tr("Output %1, a %2").arg(shownUnit).arg(KindText(kind)));
    line(tr("Shade: its activation"));
    y += 4;

    // The shade's scale, 1 at the top.
    const QRect bar(x, y, 16, 100);
    if (ground) {
        for (int i = 0; i < bar.height(); ++i)
            painter.fillRect(QRect(bar.left(), bar.top() + i, bar.width(), 1),
                             ViewPalette::shade(1.0 - (i + 0.5) / bar.height()));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(bar);
        painter.drawText(QRect(bar.right() + 6, bar.top() - 2, 180, metrics.height()), Qt::AlignLeft,
                         tr("1 (it answers 1)"));
        painter.drawText(QRect(bar.right() + 6, bar.center().y() - metrics.height() / 2, 180, metrics.height()),
                         Qt::AlignLeft, number(0.5));
        painter.drawText(QRect(bar.right() + 6, bar.bottom() - metrics.height() + 2, 180, metrics.height()),
                         Qt::AlignLeft, tr("0 (it answers 0)"));
    }
    y = bar.bottom() + 12;

    auto marker = [&](bool one, bool missed, const QString& text) {
        const QPointF at(x + MissRadius, y + lineHeight / 2.0);
        if (ground && missed) {
            painter.setPen(QPen(ViewPalette::missRing(), 3));
            painter.setBrush(Qt::NoBrush);
            painter.drawEllipse(at, MissRadius - 2, MissRadius - 2);
        } else if (ground) {
            painter.setPen(QPen(one ? Qt::white : ViewPalette::ink(), 2));
            painter.setBrush(one ? ViewPalette::ink() : QColor(Qt::white));
            painter.drawEllipse(at, MarkerRadius - 1, MarkerRadius - 1);
        }
        painter.setPen(ViewPalette::ink());
        line(text, 2 * MissRadius + 6);
    };
    marker(true, false, tr("pattern, desired output 1"));
    marker(false, false, tr("pattern, desired output 0"));
    marker(false, true, tr("missed: squared error not below %1").arg(number(set.MinError)));

    const QPointF from(x, y + lineHeight / 2.0);
    if (ground) {
        painter.setPen(QPen(ViewPalette::ink(), 2));
        painter.drawLine(from, from + QPointF(2 * MissRadius, 0));
        painter.setPen(ViewPalette::ink());
    }
    line(kind == UnitKind::Value ? tr("edges of the band where it answers 1") : tr("boundary: the answer changes"),
         2 * MissRadius + 6);
    if (!(layers & Live))
        return;

    long misses = 0;
    for (long p = 1; p <= set.NumPatterns; ++p) {
        const double error = set.DesiredOutputs(p, shownUnit) -
                             activationAt(set.InputPatterns(p, 1), set.InputPatterns(p, 2));
        if (!(error * error < set.MinError))
            ++misses;
    }
    y += 6;
    missesLine = QRect(x, y, LegendWidth, lineHeight);
    painter.drawText(missesLine, Qt::AlignLeft | Qt::AlignVCenter,
                     tr("Missed: %1 of %2 patterns").arg(misses).arg(set.NumPatterns));
}

}  // namespace vantorelle
