// SPDX-License-Identifier: GPL-3.0-or-later
#include "SetDrawing.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <algorithm>
#include <cmath>
#include <cstring>

#include "SetTable.h"

namespace vantorelle {

namespace {

constexpr int PlotLeft = 56;
constexpr int PlotTop = 10;
constexpr int BelowPlot = 44;
constexpr int KeyWidth = 190;
constexpr qreal PointRadius = 6;
constexpr qreal HitRadius = 10;
constexpr double RangeMargin = 0.15;

QString UnitKindText(UnitKind kind)
{
    switch (kind) {
    case UnitKind::IntDev: return SetDrawing::tr("sigmoid unit");
    case UnitKind::Value: return SetDrawing::tr("Gaussian unit");
    default: return SetDrawing::tr("step unit");
    }
}

}  // namespace

SetDrawing::SetDrawing(SetTable& table, const NumberLocale& locale, QWidget* parent)
    : QWidget(parent), table(table), locale(locale)
{
    setFocusPolicy(Qt::StrongFocus);
    setMouseTracking(false);
    setMinimumSize(PlotLeft + 200 + KeyWidth, PlotTop + 200 + BelowPlot);
    setAccessibleName(tr("Drawing of the patterns"));
    connect(&table, &QAbstractItemModel::modelReset, this, [this] { setChanged(!this->ownEdit); });
    connect(&table, &QAbstractItemModel::dataChanged, this, [this] { setChanged(false); });
    setChanged(true);
}

QString SetDrawing::refusal() const
{
    const long inputs = table.grid().inputs;
    if (inputs == 2)
        return {};
    return tr("Points are drawn on the plane of two inputs, one along each side. This set has %1, so "
              "its patterns are edited in the table; make a set of two inputs to draw one.")
        .arg(inputs == 1 ? tr("1 input") : tr("%1 inputs").arg(inputs));
}

int SetDrawing::classCount() const
{
    const long outputs = table.grid().outputs;
    return outputs == 1 ? 2 : static_cast<int>(outputs);
}

void SetDrawing::setDrawClass(int index)
{
    chosenClass = std::clamp(index, 0, classCount() - 1);
    update();
}

std::vector<double> SetDrawing::classOutputs(int index) const
{
    const long outputs = table.grid().outputs;
    if (outputs == 1)
        return {index == 0 ? 0.0 : 1.0};
    std::vector<double> wanted(static_cast<std::size_t>(outputs), 0.0);
    wanted[static_cast<std::size_t>(std::clamp(index, 0, static_cast<int>(outputs) - 1))] = 1.0;
    return wanted;
}

int SetDrawing::classOf(int row) const
{
    const SetGrid& grid = table.grid();
    const std::vector<double>& values = grid.rows[static_cast<std::size_t>(row)];
    const auto first = values.begin() + grid.inputs;
    if (grid.outputs == 1)
        return *first >= 0.5 ? 1 : 0;
    // The largest desired output; the first of equals.
    return static_cast<int>(std::max_element(first, values.end()) - first);
}

QString SetDrawing::className(int index) const
{
    if (table.grid().outputs == 1)
        return tr("desired output %1").arg(index);
    return tr("class %1 (output %1 is 1)").arg(index + 1);
}

void SetDrawing::setUnits(std::vector<PlaneUnit> given, double minError)
{
    units = std::move(given);
    hitCriterion = minError;
    if (static_cast<long>(units.size()) != table.grid().outputs)
        units.clear();
    update();
}

bool SetDrawing::showsNetwork() const
{
    return !units.empty() && static_cast<long>(units.size()) == table.grid().outputs && table.grid().inputs == 2;
}

int SetDrawing::shadedUnit() const { return table.grid().outputs == 1 ? 0 : chosenClass; }

bool SetDrawing::missed(int row) const
{
    if (!showsNetwork())
        return false;
    const SetGrid& grid = table.grid();
    const std::vector<double>& values = grid.rows[static_cast<std::size_t>(row)];
    const int k = shadedUnit();
    const double error = values[static_cast<std::size_t>(grid.inputs + k)] -
                         units[static_cast<std::size_t>(k)].activationAt(values[0], values[1]);
    return !(error * error < hitCriterion);
}

void SetDrawing::setChanged(bool replaced)
{
    const QPoint shape(static_cast<int>(table.grid().inputs), static_cast<int>(table.grid().outputs));
    if (shape != knownShape) {
        knownShape = shape;
        chosenClass = std::clamp(chosenClass, 0, classCount() - 1);
        units.clear();  // the network may no longer fit
        emit classesChanged();
    }
    const int rows = table.rowCount();
    if (replaced || selected >= rows)
        selected = -1;
    if (dragged >= rows)
        dragged = -1;
    if (dragged < 0 && (replaced || !allInside()))
        fitRange();
    update();
}

bool SetDrawing::allInside() const
{
    const SetGrid& grid = table.grid();
    if (grid.inputs != 2)
        return true;
    return std::all_of(grid.rows.begin(), grid.rows.end(), [this](const std::vector<double>& row) {
        return !std::isfinite(row[0]) || !std::isfinite(row[1]) ||
               (row[0] >= plane.left && row[0] <= plane.right && row[1] >= plane.bottom && row[1] <= plane.top);
    });
}

void SetDrawing::fitRange()
{
    // The unit square always shows, so an empty set still has a place to draw in.
    double lo1 = 0, hi1 = 1, lo2 = 0, hi2 = 1;
    const SetGrid& grid = table.grid();
    if (grid.inputs == 2) {
        for (const std::vector<double>& row : grid.rows) {
            if (std::isfinite(row[0])) {
                lo1 = std::min(lo1, row[0]);
                hi1 = std::max(hi1, row[0]);
            }
            if (std::isfinite(row[1])) {
                lo2 = std::min(lo2, row[1]);
                hi2 = std::max(hi2, row[1]);
            }
        }
    }
    const double margin1 = (hi1 - lo1) * RangeMargin;
    const double margin2 = (hi2 - lo2) * RangeMargin;
    plane = {lo1 - margin1, hi1 + margin1, lo2 - margin2, hi2 + margin2};
}

QRect SetDrawing::plotRect() const
{
    const int side = std::max(40, std::min(height() - PlotTop - BelowPlot, width() - PlotLeft - KeyWidth - 20));
    return QRect(PlotLeft, PlotTop, side, side);
}

QPointF SetDrawing::toPixel(double x1, double x2) const { return PlanePixel(plotRect(), plane, x1, x2); }

namespace {

// A value rounded to the power of ten at or below step: short numbers in the
// table, still finer than a pixel of the plane.
double Rounded(double value, double step)
{
    const int exponent = static_cast<int>(std::floor(std::log10(step)));
    // Divided by a whole power of ten, so that 0.53 is the double nearest 0.53.
    if (exponent < 0) {
        const double scale = std::pow(10.0, -exponent);
        return std::round(value * scale) / scale;
    }
    const double unit = std::pow(10.0, exponent);
    return std::round(value / unit) * unit;
}

}  // namespace

QPointF SetDrawing::toPlane(QPointF pixel) const
{
    const QRect plot = plotRect();
    const double spanX = plane.right - plane.left;
    const double spanY = plane.top - plane.bottom;
    const double x1 = plane.left + (pixel.x() - plot.left()) / plot.width() * spanX;
    const double x2 = plane.top - (pixel.y() - plot.top()) / plot.height() * spanY;
    const double x1Rounded = Rounded(x1, spanX / plot.width());
    const double x2Rounded = Rounded(x2, spanY / plot.height());
    // -0 would show as "-0" in the table.
    return QPointF(x1Rounded == 0 ? 0.0 : x1Rounded, x2Rounded == 0 ? 0.0 : x2Rounded);
}

int SetDrawing::pointAt(QPointF pixel) const
{
    const SetGrid& grid = table.grid();
    if (grid.inputs != 2)
        return -1;
    // The last drawn is on top.
    for (int row = static_cast<int>(grid.rows.size()) - 1; row >= 0; --row) {
        const std::vector<double>& values = grid.rows[static_cast<std::size_t>(row)];
        const QPointF at = toPixel(values[0], values[1]);
        if (std::hypot(at.x() - pixel.x(), at.y() - pixel.y()) <= HitRadius)
            return row;
    }
    return -1;
}

void SetDrawing::remove(int row)
{
    if (row < 0)
        return;
    ownEdit = true;
    table.removePattern(row);
    ownEdit = false;
    selected = -1;
}

void SetDrawing::mousePressEvent(QMouseEvent* event)
{
    if (!refusal().isEmpty())
        return;
    const QPointF at = event->position();
    const int hit = pointAt(at);
    if (event->button() == Qt::RightButton) {
        remove(hit);
        return;
    }
    if (event->button() != Qt::LeftButton)
        return;
    if (hit >= 0) {
        selected = hit;
    } else if (plotRect().contains(at.toPoint())) {
        const QPointF place = toPlane(at);
        std::vector<double> row{place.x(), place.y()};
        for (double wanted : classOutputs(chosenClass))
            row.push_back(wanted);
        ownEdit = true;
        table.addPattern(std::move(row));
        ownEdit = false;
        selected = table.rowCount() - 1;
    } else {
        return;
    }
    // The point just pressed (or added) follows the mouse until it is let go.
    dragged = selected;
    ++dragNumber;
    update();
}

void SetDrawing::mouseMoveEvent(QMouseEvent* event)
{
    if (dragged < 0)
        return;
    const QRect plot = plotRect();
    const QPointF pixel(std::clamp(event->position().x(), qreal(plot.left()), qreal(plot.right())),
                        std::clamp(event->position().y(), qreal(plot.top()), qreal(plot.bottom())));
    const QPointF place = toPlane(pixel);
    const std::vector<double>& values = table.grid().rows[static_cast<std::size_t>(dragged)];
    if (place.x() == values[0] && place.y() == values[1])
        return;
    ownEdit = true;
    table.movePattern(dragged, place.x(), place.y(), dragNumber);
    ownEdit = false;
}

void SetDrawing::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton)
        dragged = -1;
}

void SetDrawing::keyPressEvent(QKeyEvent* event)
{
    if ((event->key() == Qt::Key_Delete || event->key() == Qt::Key_Backspace) && selected >= 0) {
        remove(selected);
        update();
        return;
    }
    QWidget::keyPressEvent(event);
}

const QImage& SetDrawing::shading() const
{
    const PlaneUnit& unit = units[static_cast<std::size_t>(shadedUnit())];
    const QRect plot = plotRect();
    const qreal ratio = devicePixelRatioF();
    std::vector<double> key{unit.w1, unit.w2, unit.threshold, static_cast<double>(unit.kind), plane.left,
                            plane.right, plane.bottom, plane.top, static_cast<double>(plot.width()),
                            static_cast<double>(plot.height()), ratio};
    if (!shadingImage.isNull() && key.size() == shadingKey.size() &&
        std::memcmp(key.data(), shadingKey.data(), key.size() * sizeof(double)) == 0)
        return shadingImage;
    // Every pixel's own activation: the plane changes only when the network
    // or the range does, not while points are drawn.
    const int w = std::max(1, static_cast<int>(std::lround(plot.width() * ratio)));
    const int h = std::max(1, static_cast<int>(std::lround(plot.height() * ratio)));
    QImage image(w, h, QImage::Format_RGB32);
    image.setDevicePixelRatio(ratio);
    for (int v = 0; v < h; ++v) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(v));
        const double x2 = plane.top - (v + 0.5) / h * (plane.top - plane.bottom);
        for (int u = 0; u < w; ++u) {
            const double x1 = plane.left + (u + 0.5) / w * (plane.right - plane.left);
            const double activation = unit.activationAt(x1, x2);
            line[u] = ViewPalette::shade(std::isfinite(activation) ? activation : 0).rgb();
        }
    }
    shadingImage = std::move(image);
    shadingKey = std::move(key);
    return shadingImage;
}

void SetDrawing::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), Qt::white);
    painter.setPen(ViewPalette::ink());
    if (const QString why = refusal(); !why.isEmpty()) {
        painter.drawText(rect().adjusted(12, 12, -12, -12), Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, why);
        return;
    }
    const QRect plot = plotRect();
    if (showsNetwork()) {
        painter.drawImage(plot.topLeft(), shading());
        drawNetwork(painter);
    }
    drawAxes(painter);
    drawPoints(painter);
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setPen(hasFocus() ? QPen(palette().color(QPalette::Highlight), 2) : QPen(ViewPalette::ink()));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(plot.adjusted(0, 0, -1, -1));
    drawKey(painter);
}

void SetDrawing::drawAxes(QPainter& painter) const
{
    DrawPlaneAxes(painter, plotRect(), plane,
                  [this](double value) { return QString::fromStdString(FormatGeneral(value, locale)); });
}

void SetDrawing::drawNetwork(QPainter& painter) const
{
    DrawPlaneBoundary(painter, plotRect(), plane, units[static_cast<std::size_t>(shadedUnit())]);
}

void SetDrawing::drawPoints(QPainter& painter) const
{
    const SetGrid& grid = table.grid();
    painter.save();
    painter.setClipRect(plotRect());
    painter.setRenderHint(QPainter::Antialiasing, true);
    for (int row = 0; row < static_cast<int>(grid.rows.size()); ++row) {
        const std::vector<double>& values = grid.rows[static_cast<std::size_t>(row)];
        const QPointF at = toPixel(values[0], values[1]);
        const int kind = classOf(row);
        if (missed(row)) {
            painter.setPen(QPen(ViewPalette::missRing(), 3));
            painter.setBrush(Qt::NoBrush);
            painter.drawEllipse(at, HitRadius + 1, HitRadius + 1);
        }
        painter.setPen(QPen(ViewPalette::ink(), 1.2));
        painter.setBrush(ViewPalette::seriesColour(kind));
        painter.drawPath(ViewPalette::markerPath(ViewPalette::seriesMarker(kind), at, PointRadius));
        if (row == selected) {
            painter.setPen(QPen(ViewPalette::ink(), 1.5, Qt::DashLine));
            painter.setBrush(Qt::NoBrush);
            painter.drawEllipse(at, HitRadius + 2, HitRadius + 2);
        }
    }
    painter.restore();
}

void SetDrawing::drawKey(QPainter& painter) const
{
    const QRect plot = plotRect();
    const QFontMetrics metrics(font());
    const int x = plot.right() + 20;
    const int lineHeight = metrics.height() + 6;
    int y = plot.top();
    painter.setRenderHint(QPainter::Antialiasing, true);
    auto line = [&](const QString& text, int indent = 0) {
        const QRect box(x + indent, y, KeyWidth - indent, 10 * lineHeight);
        const QRect used = painter.boundingRect(box, Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, text);
        painter.setPen(ViewPalette::ink());
        painter.drawText(box, Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, text);
        y += std::max(lineHeight, used.height() + 6);
    };
    for (int kind = 0; kind < classCount(); ++kind) {
        painter.setPen(QPen(ViewPalette::ink(), 1.2));
        painter.setBrush(ViewPalette::seriesColour(kind));
        painter.drawPath(ViewPalette::markerPath(ViewPalette::seriesMarker(kind),
                                                 QPointF(x + 8, y + metrics.height() / 2.0), PointRadius));
        line(className(kind) + (kind == chosenClass ? tr(" (new points)") : QString()), 24);
    }
    y += 6;
    if (showsNetwork()) {
        const PlaneUnit& unit = units[static_cast<std::size_t>(shadedUnit())];
        line(tr("Shade: the network's output %1, a %2; the line is where its answer changes.")
                 .arg(shadedUnit() + 1)
                 .arg(UnitKindText(unit.kind)));
        painter.setPen(QPen(ViewPalette::missRing(), 3));
        painter.setBrush(Qt::NoBrush);
        painter.drawEllipse(QPointF(x + 8, y + metrics.height() / 2.0), PointRadius + 1, PointRadius + 1);
        line(tr("ringed: missed by it"), 24);
    } else {
        line(tr("Train a network on this set (two inputs, %1) and its answer shows under the points.")
                 .arg(table.grid().outputs == 1 ? tr("one output") : tr("%1 outputs").arg(table.grid().outputs)));
    }
    y += 6;
    line(tr("Click to add a point; drag a point to move it; right-click it, or select it and press Delete, "
            "to remove it."));
}

}  // namespace vantorelle
