// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The input plane of a network with exactly two inputs, over the patterns'
// range and a margin: shaded by one output unit's activation under the kind
// of unit the rule trains (step, sigmoid or Gaussian), the boundary drawn
// where the unit's answer (its activation rounded to 0 or 1) changes, and
// each training pattern as a marker of its desired output, ringed when the
// unit misses it. The shade at a point is the activation the network itself
// computes there: the same sums in the same order as its response.
//
// On screen the shade is worked out only when the unit's weights, the range
// or the size changed, and through a table: the net input changes evenly
// across the plane, so each pixel looks up the activation in a table of 2,048
// steps over the net inputs the plane spans (each step finer than a pixel)
// instead of working out an exponential of its own. A run that changes the
// weights at every epoch then costs a table and a pass of additions a refresh.
// Printing and saving work out every pixel's activation itself.
//
// For any other number of inputs there is no plane to draw; refusal() says why.

#include <QImage>
#include <QLineF>
#include <QPointF>
#include <QRect>
#include <functional>
#include <optional>

#include "NetworkPicture.h"

namespace vantorelle {

// A rectangle of the input plane: input 1 from left to right, input 2 from bottom to top.
struct PlaneRange {
    double left = 0, right = 1, bottom = 0, top = 1;
};

// One output unit of a two-input network, as the plane shows it.
struct PlaneUnit {
    UnitKind kind = UnitKind::Binary;
    double w1 = 0, w2 = 0, threshold = 0;

    // The activation at a point: the response's sums in the response's order.
    double activationAt(double x1, double x2) const;
    // The levels of the net input at which the answer changes: one for step and
    // sigmoid units (0), two for a Gaussian unit (the band's edges).
    std::vector<double> boundaryLevels() const;
    // Where the net input equals level across the range, in plane coordinates;
    // nothing where the weights draw no line (all zero, or not finite).
    std::optional<QLineF> boundaryLine(double level, const PlaneRange& range) const;
};

// Output unit k (from 1) of a snapshot with weights.
PlaneUnit PlaneUnitOf(const NetworkSnapshot& snapshot, long k);

// Where a point of the plane (input 1, input 2) lies when the range fills plot.
QPointF PlanePixel(const QRect& plot, const PlaneRange& range, double x1, double x2);
// The ticks, their numbers (written by number) and the names of the two inputs
// around plot, in the painter's font.
void DrawPlaneAxes(QPainter& painter, const QRect& plot, const PlaneRange& range,
                   const std::function<QString(double)>& number);
// The unit's boundary (two band edges for a Gaussian unit) across plot, in
// black over white so that it shows on light and dark shades alike.
void DrawPlaneBoundary(QPainter& painter, const QRect& plot, const PlaneRange& range, const PlaneUnit& unit);

class DecisionView : public NetworkPicture {
    Q_OBJECT

public:
    explicit DecisionView(QWidget* parent = nullptr);

    // The output unit the plane shows, from 1.
    void setUnit(long k);
    long unit() const { return shownUnit; }

    // Why the plane cannot be drawn for this snapshot; empty when it can.
    QString refusal() const;
    static QString refusalFor(long numInputs);

    unsigned partsDrawn() const override { return SnapshotParts::Weights; }
    // Steps of the screen's table of activations.
    static constexpr int ShadeTableSize = 2048;
    // How often the screen's shading has been worked out.
    long shadings() const { return shadingCount; }

    // Where the plane is drawn, and where a point of it (input 1, input 2) lies.
    QRect plotRect() const;
    QPointF toPixel(double x1, double x2) const;
    // The activation of the shown unit at a point of the plane.
    double activationAt(double x1, double x2) const;
    // The levels of the net input at which the answer changes: one for step and
    // sigmoid units (0), two for a Gaussian unit (the band's edges).
    std::vector<double> boundaryLevels() const;

protected:
    void snapshotChanged() override;
    bool changesPicture(const NetworkSnapshot& before, const NetworkSnapshot& after) const override;
    void drawLayers(QPainter& painter, unsigned layers) const override;
    LayerCache::Key groundKey() const override;
    QRegion repaintRegion(const NetworkSnapshot* before) const override;

private:
    void computeRange();
    // The plot's shade at ratio device pixels a point, every pixel's
    // activation worked out (exact) or looked up in the table.
    QImage shadePlane(qreal ratio, bool exact) const;
    bool shadeByTable(QImage& image, const QRgb* shades) const;
    const QImage& screenShading() const;
    void drawAxes(QPainter& painter) const;
    void drawBoundary(QPainter& painter) const;
    void drawPatterns(QPainter& painter) const;
    void drawLegend(QPainter& painter, unsigned layers) const;
    bool drawable() const;

    long shownUnit = 1;
    double left = 0, right = 1, bottom = 0, top = 1;  // the plane's range
    // The screen's shade, made when it is next drawn (snapshots can come
    // faster than the screen shows them), with what it was made from.
    mutable QImage shading;
    mutable LayerCache::Key shadingKey;
    mutable long shadingCount = 0;
    mutable QRect missesLine;  // where the count of misses was last drawn
};

}  // namespace vantorelle
