// SPDX-License-Identifier: GPL-3.0-or-later
#include "NetworkPicture.h"

#include <QEvent>
#include <QPainter>
#include <algorithm>
#include <array>
#include <cmath>

namespace vantorelle {

namespace ViewPalette {

namespace {

struct Anchor {
    double at;
    int r, g, b;
};
// Lightness rises from each anchor to the next (see the header).
constexpr std::array<Anchor, 5> Anchors{{
    {-1.0, 23, 45, 122},
    {-0.5, 70, 100, 170},
    {0.0, 145, 145, 145},
    {0.5, 235, 175, 80},
    {1.0, 255, 240, 190},
}};

// How much white the plane's shade mixes in.
constexpr double ShadeLightening = 0.25;

double linear(double channel)
{
    const double c = channel / 255.0;
    return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

}  // namespace

QColor diverging(double t)
{
    if (!(t > -1.0))  // also a NaN
        t = std::isnan(t) ? 0.0 : -1.0;
    t = std::min(t, 1.0);
    std::size_t i = 0;
    while (i + 2 < Anchors.size() && t > Anchors[i + 1].at)
        ++i;
    const Anchor& a = Anchors[i];
    const Anchor& b = Anchors[i + 1];
    const double f = (t - a.at) / (b.at - a.at);
    auto mix = [f](int from, int to) { return static_cast<int>(std::lround(from + (to - from) * f)); };
    return QColor(mix(a.r, b.r), mix(a.g, b.g), mix(a.b, b.b));
}

QColor shade(double activation)
{
    const QColor base = diverging(activation * 2 - 1);
    auto lighten = [](int c) { return static_cast<int>(std::lround(c + (255 - c) * ShadeLightening)); };
    return QColor(lighten(base.red()), lighten(base.green()), lighten(base.blue()));
}

QColor ink() { return QColor(0, 0, 0); }
QColor missRing() { return QColor(204, 0, 122); }
QColor curve() { return QColor(23, 45, 122); }

double luminance(const QColor& colour)
{
    return 0.2126 * linear(colour.red()) + 0.7152 * linear(colour.green()) + 0.0722 * linear(colour.blue());
}

namespace {
// Okabe and Ito, "Color Universal Design" (2008), with black (the ink) and
// yellow (faint on white) late, so that the first few series are the clearest.
struct Series {
    int r, g, b;
    Qt::PenStyle line;
    MarkerShape marker;
};
constexpr std::array<Series, 8> SeriesTable{{
    {0, 114, 178, Qt::SolidLine, MarkerShape::Circle},               // blue
    {230, 159, 0, Qt::DashLine, MarkerShape::Square},                // orange
    {0, 158, 115, Qt::DotLine, MarkerShape::Triangle},               // bluish green
    {204, 121, 167, Qt::DashDotLine, MarkerShape::Diamond},          // reddish purple
    {86, 180, 233, Qt::DashDotDotLine, MarkerShape::Cross},          // sky blue
    {213, 94, 0, Qt::SolidLine, MarkerShape::Plus},                  // vermillion
    {0, 0, 0, Qt::DashLine, MarkerShape::Star},                      // black
    {240, 228, 66, Qt::DotLine, MarkerShape::InvertedTriangle},      // yellow
}};
const Series& seriesAt(int index)
{
    const int n = static_cast<int>(SeriesTable.size());
    return SeriesTable[static_cast<std::size_t>(((index % n) + n) % n)];
}
}  // namespace

int seriesCount() { return static_cast<int>(SeriesTable.size()); }
QColor seriesColour(int index)
{
    const Series& s = seriesAt(index);
    return QColor(s.r, s.g, s.b);
}
Qt::PenStyle seriesLineStyle(int index) { return seriesAt(index).line; }
MarkerShape seriesMarker(int index) { return seriesAt(index).marker; }

QPainterPath markerPath(MarkerShape shape, QPointF centre, qreal radius)
{
    // Corners around the centre, as (angle in degrees from up, share of the radius).
    auto polygon = [&](std::initializer_list<std::pair<double, double>> corners) {
        QPolygonF points;
        for (const auto& [degrees, share] : corners) {
            const double angle = degrees * 3.14159265358979323846 / 180;
            points << centre + QPointF(std::sin(angle), -std::cos(angle)) * radius * share;
        }
        QPainterPath path;
        path.addPolygon(points);
        path.closeSubpath();
        return path;
    };
    // A plus of arms `arm` thick (as a share of the radius), turned by `turn` degrees.
    auto plus = [&](double turn) {
        const double arm = 0.36;
        const double tip = std::hypot(1.0, arm);
        const double side = std::atan(arm) * 180 / 3.14159265358979323846;
        const double inner = std::hypot(arm, arm);
        return polygon({{turn - side, tip}, {turn + side, tip}, {turn + 45, inner}, {turn + 90 - side, tip},
                        {turn + 90 + side, tip}, {turn + 135, inner}, {turn + 180 - side, tip},
                        {turn + 180 + side, tip}, {turn + 225, inner}, {turn + 270 - side, tip},
                        {turn + 270 + side, tip}, {turn + 315, inner}});
    };
    QPainterPath path;
    switch (shape) {
    case MarkerShape::Circle: path.addEllipse(centre, radius, radius); return path;
    case MarkerShape::Square: return polygon({{45, 1.2}, {135, 1.2}, {225, 1.2}, {315, 1.2}});
    case MarkerShape::Triangle: return polygon({{0, 1.35}, {120, 1.35}, {240, 1.35}});
    case MarkerShape::InvertedTriangle: return polygon({{60, 1.35}, {180, 1.35}, {300, 1.35}});
    case MarkerShape::Diamond: return polygon({{0, 1.35}, {90, 1.1}, {180, 1.35}, {270, 1.1}});
    case MarkerShape::Plus: return plus(0);
    case MarkerShape::Cross: return plus(45);
    case MarkerShape::Star: {
        QPainterPath star;
        QPolygonF points;
        for (int n = 0; n < 10; ++n) {
            const double angle = n * 36 * 3.14159265358979323846 / 180;
            const double share = n % 2 == 0 ? 1.4 : 0.6;
            points << centre + QPointF(std::sin(angle), -std::cos(angle)) * radius * share;
        }
        star.addPolygon(points);
        star.closeSubpath();
        return star;
    }
    }
    path.addEllipse(centre, radius, radius);
    return path;
}

}  // namespace ViewPalette

std::vector<double> NiceTicks(double lo, double hi, int maxCount, double smallestStep)
{
    std::vector<double> ticks;
    if (!(hi > lo) || !std::isfinite(lo) || !std::isfinite(hi) || maxCount < 1)
        return ticks;
    const double raw = std::max((hi - lo) / maxCount, smallestStep);
    const double magnitude = std::pow(10.0, std::floor(std::log10(raw)));
    double step = magnitude * 10;
    for (double factor : {1.0, 2.0, 5.0}) {
        if (magnitude * factor >= raw) {
            step = magnitude * factor;
            break;
        }
    }
    // Whole multiples of the step, so that no rounding piles up along the axis.
    const double first = std::ceil(lo / step - 1e-9);
    for (double k = first; k * step <= hi + step * 1e-9; k += 1)
        ticks.push_back(k * step == 0 ? 0.0 : k * step);
    return ticks;
}

namespace {

QSize DevicePixels(QSize size, qreal ratio)
{
    return QSize(std::max(1, static_cast<int>(std::ceil(size.width() * ratio))),
                 std::max(1, static_cast<int>(std::ceil(size.height() * ratio))));
}

}  // namespace

bool LayerCache::holds(QSize size, qreal ratio, const Key& key) const
{
    return valid && pixmap.size() == DevicePixels(size, ratio) && pixmap.devicePixelRatio() == ratio && lastKey == key;
}

QPixmap& LayerCache::get(QSize size, qreal ratio, const Key& key, const std::function<void(QPainter&)>& paint)
{
    if (holds(size, ratio, key))
        return pixmap;
    const QSize pixels = DevicePixels(size, ratio);
    pixmap = QPixmap(pixels);
    pixmap.setDevicePixelRatio(ratio);
    QPainter painter(&pixmap);
    paint(painter);
    painter.end();
    lastKey = key;
    valid = true;
    ++drawn;
    return pixmap;
}

NetworkPicture::NetworkPicture(QWidget* parent) : QWidget(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void NetworkPicture::setSnapshot(std::shared_ptr<const NetworkSnapshot> snapshot)
{
    const bool changed = !shown || !snapshot || changesPicture(*shown, *snapshot);
    const std::shared_ptr<const NetworkSnapshot> before = std::move(shown);
    shown = std::move(snapshot);
    if (!changed)
        return;
    snapshotChanged();
    update(shown ? repaintRegion(before.get()) : QRegion(rect()));
}

bool NetworkPicture::groundKept() const { return ground.holds(pictureSize(), devicePixelRatioF(), groundKey()); }

bool NetworkPicture::changesPicture(const NetworkSnapshot& before, const NetworkSnapshot& after) const
{
    return before.patterns != after.patterns || before.duringRun != after.duringRun ||
           before.parts != after.parts;
}

void NetworkPicture::setNumberLocale(const NumberLocale& numbers)
{
    locale = numbers;
    ground.clear();
    update();
}

void NetworkPicture::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::FontChange || event->type() == QEvent::StyleChange)
        ground.clear();
    QWidget::changeEvent(event);
}

QImage NetworkPicture::picture() const
{
    const qreal ratio = devicePixelRatioF();
    const QSize size = pictureSize();
    QImage image(QSize(std::max(1, static_cast<int>(std::ceil(size.width() * ratio))),
                       std::max(1, static_cast<int>(std::ceil(size.height() * ratio)))),
                 QImage::Format_RGB32);
    image.setDevicePixelRatio(ratio);
    QPainter painter(&image);
    draw(painter);
    return image;
}

void NetworkPicture::paintEvent(QPaintEvent*)
{
    QPixmap& layer = ground.get(pictureSize(), devicePixelRatioF(), groundKey(),
                                [this](QPainter& on) { drawLayers(on, Ground | OnScreen); });
    extendGround(layer);
    QPainter painter(this);
    painter.drawPixmap(0, 0, layer);
    drawLayers(painter, Live | OnScreen);
}

QString NetworkPicture::number(double value) const { return QString::fromStdString(FormatGeneral(value, locale)); }

QString NetworkPicture::statusNumber(double value) const
{
    return QString::fromStdString(FormatStandard(value, locale));
}

}  // namespace vantorelle
